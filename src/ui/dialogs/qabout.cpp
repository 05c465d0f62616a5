#include "ui/dialogs/qabout.h"

#include "base/appdir.h"
#include "base/programinfo.h"
#include "db/database.h"
#include "device/devicefamily.h"
#include "device/devicerecord.h"
#include "ui_qabout.h"

#include <qwt_global.h>

namespace {

QString appDirOrigin(AppDir::Origin origin)
{
    switch (origin) {
    case AppDir::Origin::Environment:
        return QAbout::tr("set by LUMORA_HOME");
    case AppDir::Origin::ExecutableFolder:
        return QAbout::tr("the program's own folder");
    case AppDir::Origin::UserData:
        break;
    }
    return QAbout::tr("your data folder");
}

} // namespace

QAbout::QAbout(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QAboutClass)
{
    m_ui->setupUi(this);
    m_ui->lblName->setText(QStringLiteral("<span style=\"font-size:16pt; font-weight:bold\">%1</span> %2")
                               .arg(QLatin1String(ProgramInfo::kName), tr("Version %1").arg(ProgramInfo::kVersion)));
    const QStringList families = {familyLabel(DeviceFamily::EUR), familyLabel(DeviceFamily::USA0),
                                  familyLabel(DeviceFamily::USA1)};
    m_ui->lblModels->setText(
        tr("<b>Supported inverters:</b> the Lumora families %1, among them the models %2; "
           "up to four Modbus RTU sensors on the same line.")
            .arg(families.join(QLatin1String(", ")), DeviceRecord::listedModelNames().join(QLatin1String(", "))));
    m_ui->lblLibraries->setText(
        tr("<b>Built with:</b> Qt %1, Qwt %2, SQLite %3.")
            .arg(QLatin1String(qVersion()), QLatin1String(QWT_VERSION_STR), db_library_version()));
    m_ui->lblAppDir->setText(tr("<b>Application directory:</b> %1 (%2)")
                                 .arg(AppDir::path().toHtmlEscaped(), appDirOrigin(AppDir::origin())));
    m_ui->lblCredits->setText(
        tr("<b>Icons:</b> Silk icon set by Mark James, "
           "<a href=\"http://www.famfamfam.com/lab/icons/silk/\">famfamfam.com</a>, licensed under the "
           "<a href=\"https://creativecommons.org/licenses/by/2.5/\">Creative Commons Attribution 2.5</a> licence "
           "(Debian package famfamfam-silk). Flag icons by Mark James, "
           "<a href=\"http://www.famfamfam.com/lab/icons/flags/\">famfamfam.com</a> (Debian package "
           "famfamfam-flag-png)."));
}

QAbout::~QAbout() = default;
