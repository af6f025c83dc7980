#pragma once
// The lines the contacts list shows under a contact's name when its details level is above 1.
#include <string>

class CDvItem;

/// "Personal: " with the personal e-mails, "[Personal] Tellvo", mobile phone, phone, web and
/// company joined by ", "; then "\r\nBusiness: " with the business ones; then
/// "\r\nPersonal address: " with street, ZIP, city, state and country; then "\r\nnote:" and the
/// plain-text contents. A part with no value at all is left out, its heading included.
std::u16string DvContactDetailsText(const CDvItem& contact);
