#pragma once

#include <QPixmap>
#include <QWidget>

namespace zel::ui {

// The program's picture, a square of the given side: its initials on a white disc. It is the
// windows' icon and stands on the splash and about windows.
QPixmap imageProgramme(int cote);

// The window shown while the program starts.
class TSplash : public QWidget {
    Q_OBJECT
public:
    explicit TSplash(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* evenement) override;
};

} // namespace zel::ui
