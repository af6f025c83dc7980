#pragma once
// The system's 8-bit code page: windows-1250 unless DAYVAULT_CODEPAGE names another ICU converter.
// Characters the code page lacks become "?".
#include <optional>
#include <string>
#include <string_view>

namespace dv {

/// The converter name in use, as written in charset declarations.
const std::string& codePageName();

/// The Windows number of the code page in use (1250 for windows-1250), as RTF's \ansicpg names
/// it; none for converters that Windows has no number for.
std::optional<int> windowsCodePage();

std::string toCodePage(std::u16string_view text);
std::u16string fromCodePage(std::string_view bytes);

/// Decodes bytes of any ICU-known charset; false when the charset is unknown.
bool decodeCharset(std::string_view charset, std::string_view bytes, std::u16string& out);

}  // namespace dv
