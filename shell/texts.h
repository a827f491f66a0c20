#pragma once

namespace shell::texts {

// The program's own particulars. Numbers and addresses are of the kinds kept
// for examples, so that nobody real is reached.
inline constexpr const char* kPhone = "+1 202 555 0147";
inline constexpr const char* kEmail = "help@orvanta.example";
inline constexpr const char* kSecondEmail = "orvanta@example.com";
inline constexpr const char* kAuthorCredit = "This dictionary was designed and developed by";
inline constexpr const char* kAuthor = "Arin Velloro";
inline constexpr const char* kOwnerHeading = "Founder/Owner";
inline constexpr const char* kMaker = "Orvanta";
inline constexpr const char* kMakerYears = "2008 - 2026";
inline constexpr const char* kCopyrightYears = "Copyright \u00A9 2008-2026";
inline constexpr const char* kCopyrightHolder = "Orvanta";
inline constexpr const char* kRights = "All rights reserved.";
inline constexpr const char* kProductId = "ID: OAD-20-7734";
inline constexpr const char* kCopyrightLine = "\u00A9 Orvanta Software Works";

}  // namespace shell::texts
