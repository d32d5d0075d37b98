#include "window/program_icon.h"

#include <QString>

namespace quorvel {

QIcon ProgramIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/quorvel-32.xpm"));
    icon.addFile(QStringLiteral(":/icons/quorvel-16.xpm"));
    return icon;
}

} // namespace quorvel
