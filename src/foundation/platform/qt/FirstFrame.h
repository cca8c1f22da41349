// Holds the steps the first frame does not need until a window has been
// painted, then runs them from the event loop, in order: the tray icon and
// the program's icon set cost more than the clock's own first frame.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

namespace talvorin {

class FirstFrame final : public QObject {
  public:
    FirstFrame();
    void then(std::function<void()> step);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void drawn();
    void runSteps();

    bool drawn_ = false;
    std::vector<std::function<void()>> steps_;
    // A window never exposed (on another workspace, say) does not hold
    // the rest back for long.
    QTimer latest_;
};

}  // namespace talvorin
