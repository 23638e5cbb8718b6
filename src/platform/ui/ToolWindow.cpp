#include "platform/ui/ToolWindow.h"

#include <QCloseEvent>

ToolWindow::ToolWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    emit unloaded();
    event->accept();
}
