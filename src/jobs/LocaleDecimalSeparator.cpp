#include "jobs/LocaleDecimalSeparator.h"

#include <QLocale>

namespace jobs {

std::string localeDecimalSeparator() { return QLocale::system().decimalPoint().toStdString(); }

}  // namespace jobs
