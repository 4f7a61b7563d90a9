#include "shell/UiPauser.h"

#include <QEventLoop>
#include <QTimer>

namespace ravlo {

void UiPauser::Pause(unsigned milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(milliseconds), Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace ravlo
