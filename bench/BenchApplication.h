#pragma once

#include <QApplication>

namespace sonara::bench {

// The Qt application of a widget bench: offscreen unless the caller chose a
// platform (an X server shows what painting to a real screen costs), named
// as the program is, and kept running with no window. One at a time.
class BenchApplication final : public QApplication {
  public:
    BenchApplication();

  private:
    // Chooses the platform before the application reads it.
    static int& arguments();
};

}  // namespace sonara::bench
