#include "app/ui/MainStatusBar.h"

#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>
#include <QTimer>

MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent)
    , textPanel_(new QLabel(this))
    , clockPanel_(new QLabel(this))
    , clock_(new QTimer(this))
{
    setSizeGripEnabled(false);
    textPanel_->setObjectName(QStringLiteral("StatusText"));
    clockPanel_->setObjectName(QStringLiteral("StatusClock"));
    clockPanel_->setAlignment(Qt::AlignCenter);
    clockPanel_->setFrameShape(QFrame::StyledPanel);
    clockPanel_->setFrameShadow(QFrame::Sunken);
    textPanel_->setFrameShape(QFrame::StyledPanel);
    textPanel_->setFrameShadow(QFrame::Sunken);
    addWidget(textPanel_, 1);
    addPermanentWidget(clockPanel_);
    clock_->setSingleShot(true);
    connect(clock_, &QTimer::timeout, this, &MainStatusBar::showTime);
    showTime();
}

void MainStatusBar::setText(const QString& text)
{
    textPanel_->setText(text);
}

QString MainStatusBar::text() const
{
    return textPanel_->text();
}

void MainStatusBar::showTime()
{
    const QTime now = QTime::currentTime();
    // The panel changes once a minute, so the locale's short format is shown without seconds.
    static const QRegularExpression seconds(QStringLiteral("[:.]?s+"));
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    clockPanel_->setText(now.toString(format.remove(seconds)));
    // Wake just after the next minute starts rather than polling every second.
    clock_->start(60000 - (now.second() * 1000 + now.msec()) + 50);
}
