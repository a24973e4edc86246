#pragma once

#include "core/forms/program_title.h"
