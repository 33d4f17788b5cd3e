#include "device/udev_rule.h"

namespace velka {

std::string InstalledUdevRulePath() {
    return VELKA_UDEV_RULE_PATH;
}

}  // namespace velka
