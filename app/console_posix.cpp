#include "app/console.h"

#include <cstdio>

namespace vrc::app {

bool WriteToConsole(const QString &text, bool complaint) {
    std::FILE *stream = complaint ? stderr : stdout;
    std::fputs(text.toLocal8Bit().constData(), stream);
    return std::fflush(stream) == 0 && std::ferror(stream) == 0;
}

} // namespace vrc::app
