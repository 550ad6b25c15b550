#pragma once

#include "PayloadManifest.h"

#include <QString>

// The setup program: checks the package it carries against the manifest it was built with, then
// runs the wizard. Nothing is shown or written when the package is damaged.
class SetupApp {
public:
    SetupApp(QString packagePath, const PayloadManifest& manifest);

    // The program's exit code.
    int Run();

private:
    QString packagePath_;
    const PayloadManifest& manifest_;
};
