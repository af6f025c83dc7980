#pragma once
// The link text by which items and folders travel through the clipboard and drag and drop:
// [{GUID}i] for an item, [{GUID}f] for a folder, one per line.
#include <string>
#include <string_view>
#include <vector>

class CDvDoc;
class CDvFolder;
class CDvItem;

struct DvLink {
    static constexpr char16_t kItem = u'i';
    static constexpr char16_t kFolder = u'f';

    std::u16string documentFolder;  // optional, ends with "\"; plays no part here
    std::u16string guid;            // the 38-character braced form
    char16_t kind = kItem;
    std::u16string text;  // optional free text after ","

    bool IsFolder() const { return kind == kFolder; }
    friend bool operator==(const DvLink&, const DvLink&) = default;
};

DvLink DvItemLink(const CDvItem& item);
DvLink DvFolderLink(const CDvFolder& folder);

/// One link: the document folder, "[", the GUID, the kind letter, "," and the free text when
/// there is one, "]".
std::u16string DvLinkText(const DvLink& link);
/// The links joined with "\r\n".
std::u16string DvLinksText(const std::vector<DvLink>& links);

/// The program file name that another instance may write before its links.
inline constexpr std::u16string_view kDvProgramFileName = u"dayvault";

/// Reads link text: a leading program file name and the one character after it are skipped,
/// then every non-empty line must be a link. False, with `out` empty, for any other text.
bool DvParseLinks(std::u16string_view text, std::vector<DvLink>& out);

/// Carries out an operation on the items or the folder that `data` (clipboard or drag text)
/// links to: item links go to DvOperationItems; without any, the folder links go to
/// DvOperationFolderSelection. 0 when the text is no link text or names nothing in the document.
int DvItemsOperation(std::u16string_view data, int code, std::u16string_view source, std::u16string_view target,
                     unsigned flags, CDvDoc* doc = nullptr);

/// Ctrl+C: the links of the items, joined with "\r\n", as Unicode text on the clipboard.
bool DvCopyItemsToClipboard(const std::vector<std::u16string>& guids, CDvDoc* doc = nullptr);
/// Ctrl+V: copies of the clipboard's items into `currentFolder`, keeping their titles.
int DvPasteItems(std::u16string_view currentFolder, CDvDoc* doc = nullptr);

/// What a drop does, by the keys held when it happens: Alt adds (drop effect link), else Ctrl
/// copies (drop effect copy), else it moves. Shift does not matter.
enum class DvDropEffect { Move, Copy, Link };
struct DvDropChoice {
    int code;
    DvDropEffect effect;
};
DvDropChoice DvDropChoiceForKeys(bool alt, bool ctrl);
/// A drop of `data` onto the folder `dropFolder` while `currentFolder` is shown.
int DvDropOnFolder(std::u16string_view data, bool alt, bool ctrl, std::u16string_view currentFolder,
                   std::u16string_view dropFolder, CDvDoc* doc = nullptr);
