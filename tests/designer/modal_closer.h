#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Closes the window that is modal when the event loop next runs, after letting `whileOpen`
// look at the application as it is while that window is open.
inline void closeModalWindowWhenShown(std::function<void(QWidget& modal)> whileOpen = {}) {
  QTimer::singleShot(0, [whileOpen] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    if (whileOpen) whileOpen(*modal);
    modal->close();
  });
}
