// The numbered user-interface texts (1-202 and 5035) in their built-in
// English form.  Every label, column title, tab title and message of the
// viewer is one of them; the language pack translates a text where it is
// shown, not here.
#pragma once

constexpr int kFirstStringNumber = 1;
constexpr int kLastStringNumber = 202;
constexpr int kAutoBackupText = 5035;

// The English text of string `number`; the empty text for a number the table
// does not hold.  The text is static: it lives as long as the process.
const char* LoadStringText(int number);
