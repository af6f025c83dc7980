#pragma once
// RTF to plain text: the visible text of a rich-text document.
#include <cstdint>
#include <span>
#include <string>

std::u16string DvRtfToPlainText(std::span<const uint8_t> rtf);
