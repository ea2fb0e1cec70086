#include "ui/common/program_printer.h"

#include <QPrinter>

namespace vorlane {

QPrinter& ProgramPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

} // namespace vorlane
