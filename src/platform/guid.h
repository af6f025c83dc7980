#pragma once
#include <string>

namespace dv {

/// A fresh random GUID as "{XXXXXXXX-XXXX-xxxx-XXXX-XXXXXXXXXXXX}" (third group lower case),
/// or the empty text when the kernel gives no random bytes.
std::u16string newGuidText();

}  // namespace dv
