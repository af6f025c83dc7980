#pragma once
// The 8-bit text of RTF: which code page a font's charset stands for, and decoding through it.
// Only core/rtf_*.cpp include this.
#include <optional>
#include <string>
#include <string_view>

namespace dv::rtf {

/// The system code page (the one old items were written in), used when a document names none.
inline constexpr int kSystemCodePage = 0;
/// Symbol fonts draw glyphs, not letters; their bytes are kept as Latin-1 code points.
inline constexpr int kSymbolCodePage = 42;

/// The code page of a \fcharset value; none for DEFAULT_CHARSET (1) and charsets we do not
/// know, which then follow the document's code page.
std::optional<int> codePageOfCharset(int charset);

/// Decodes bytes of a Windows code page (\ansicpg, \cpg numbers). Code pages ICU does not know
/// fall back to the system code page rather than losing the text.
std::u16string decodeCodePage(int codePage, std::string_view bytes);

}  // namespace dv::rtf
