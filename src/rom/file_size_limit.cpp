#include "rom/file_size_limit.h"

#include <csignal>

namespace quarven {

void ignoreFileSizeSignal() {
  std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace quarven
