#include "core/forms/help_pages.h"

void Form4::Command2_Click() {
    host.showPage(2);
    host.Hide();
}

void Form5::Command1_Click() {
    host.showPage(3);
    host.Hide();
}
