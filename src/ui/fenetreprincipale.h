#pragma once

#include <QMainWindow>

namespace zel::ui {

// The main window; its menus and pages come with the windows of the program.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
};

} // namespace zel::ui
