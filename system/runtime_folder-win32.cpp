#include "system/runtime_folder.h"

std::string privateRuntimeFolder() {
    return {};
}
