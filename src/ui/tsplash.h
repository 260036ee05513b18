#pragma once

#include <QWidget>

namespace zel::ui {

// The window shown while the program starts.
class TSplash : public QWidget {
    Q_OBJECT
public:
    explicit TSplash(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* evenement) override;
};

} // namespace zel::ui
