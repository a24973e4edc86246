#include "core/forms/form1.h"

// What every number button does, with the path stored for it by the last look-up.
void Form1::sendStoredPath(const std::string& storedPath) {
    sendPath(host, storedPath);
}

void Form1::Command9_Click() {
    sendStoredPath(hit1);
}

void Form1::Command6_Click() {
    sendStoredPath(hit2);
}

void Form1::Command10_Click() {
    sendStoredPath(hit3);
}

void Form1::Command11_Click() {
    sendStoredPath(hit4);
}

void Form1::Command12_Click() {
    sendStoredPath(hit5);
}

void Form1::Command3_Click() {
    Text1.setText({});
    Text2.setText({});
}
