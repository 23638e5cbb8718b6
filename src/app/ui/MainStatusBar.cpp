#include "app/ui/MainStatusBar.h"

#include "archive/core/DeliveredFiles.h"

#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>
#include <QTimer>
#include <QToolButton>

MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent)
    , textPanel_(new QLabel(this))
    , deliveredPanel_(new QLabel(this))
    , openFolder_(new QToolButton(this))
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
    deliveredPanel_->setObjectName(QStringLiteral("StatusDelivered"));
    deliveredPanel_->setFrameShape(QFrame::StyledPanel);
    deliveredPanel_->setFrameShadow(QFrame::Sunken);
    deliveredPanel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    openFolder_->setObjectName(QStringLiteral("cmdOpenFolder"));
    openFolder_->setText(tr("Open Folder"));
    openFolder_->setAccessibleName(tr("Open Folder"));
    openFolder_->setToolTip(tr("Open the folder the last run wrote to"));
    openFolder_->setAutoRaise(true);
    addWidget(textPanel_, 1);
    addWidget(deliveredPanel_, 2);
    addWidget(openFolder_);
    deliveredPanel_->hide();
    openFolder_->hide();
    connect(openFolder_, &QToolButton::clicked, this, [this] { emit openFolderRequested(deliveredFolder_); });
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

void MainStatusBar::showDelivered(const DeliveredFiles& delivered)
{
    const bool shown = delivered.count > 0;
    deliveredFolder_ = delivered.folder;
    deliveredPanel_->setText(shown ? delivered.text() : QString());
    deliveredPanel_->setToolTip(deliveredPanel_->text());
    deliveredPanel_->setVisible(shown);
    openFolder_->setVisible(shown);
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
