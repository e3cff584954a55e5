#include "table/Pause.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace kalvo {

void Pause(int ms, TEntreesPause entrees) {
  if (ms > 0) {
    QEventLoop boucle;
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    // Input events are not lost here: Qt keeps them for the next loop that
    // accepts them.
    boucle.exec(QEventLoop::ExcludeUserInputEvents);
  }
  if (entrees == TEntreesPause::Laissees) QCoreApplication::processEvents();
}

}  // namespace kalvo
