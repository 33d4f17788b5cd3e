#pragma once
// The offer to sign a report just saved: the meaning of the signature (an editable choice of
// "Reviewed", "Released for use" and "Rejected") and, when the certificate database needs one,
// its password. "Sign" signs; "Not now" leaves the report unsigned.

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace velka {

struct SignQuestion {
    std::string nickname;  // the certificate that will sign
    bool needsPassword = false;
};

struct SignAnswer {
    std::string meaning;
    std::optional<std::string> password;
};

// Asks modally: the answer, or nothing when the user does not sign now.
using AskSignature = std::function<std::optional<SignAnswer>(const SignQuestion&)>;

// The dialog over `parent`.
AskSignature SignPopup(QWidget* parent);

}  // namespace velka
