#pragma once

#include <memory>

class QDialog;
class QWidget;

// Dialog 111, "Welcome!": Next accepts, Cancel (or Escape) rejects.
std::unique_ptr<QDialog> MakeWelcomePage(QWidget* owner);
