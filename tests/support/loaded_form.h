#pragma once

#include "app/form1_window.h"
#include "tests/support/test_prefix.h"

// What most window tests start from: a throw-away Wine prefix, and the main window made and
// loaded in it.
struct LoadedForm {
    LoadedForm() {
        if (!form.Form_Load()) {
            qFatal("the main window did not load");
        }
    }

    TestPrefix prefix;
    Form1Window form;
};
