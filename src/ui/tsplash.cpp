#include "ui/tsplash.h"

#include "app/demarrage.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace zel::ui {

TSplash::TSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setFixedSize(318, 221);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->geometry().center() - rect().center());
}

QPixmap imageProgramme(int cote) {
    QPixmap image(cote, cote);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(image.rect());
    QFont initiales(QStringLiteral("Arial"));
    initiales.setBold(true);
    initiales.setPixelSize(std::max(1, cote * 23 / 64));
    p.setFont(initiales);
    p.setPen(QColor(0, 0, 160));
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("ZV"));
    return image;
}

void TSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (const Bande& b : bandesDegrade(height()))
        p.fillRect(0, b.haut, width(), b.bas - b.haut, QColor(0, 0, b.bleu));
    p.drawPixmap(24, 40, imageProgramme(64));
    QFont titre(QStringLiteral("Arial"));
    titre.setBold(true);
    titre.setPixelSize(23);
    p.setFont(titre);
    p.setPen(Qt::white);
    p.drawText(QRect(100, 50, width() - 110, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Zel Vente"));
    QFont version(QStringLiteral("Arial"));
    version.setPixelSize(14);
    p.setFont(version);
    p.drawText(QRect(100, 95, width() - 110, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version 2002"));
}

} // namespace zel::ui
