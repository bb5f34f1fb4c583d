#pragma once

class QWidget;

namespace designtime {

// Shows a window modal to the whole application and returns when it is hidden or destroyed.
void showModal(QWidget& window);

}  // namespace designtime
