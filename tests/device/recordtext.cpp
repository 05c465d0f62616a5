#include "recordtext.h"

#include "device/devicerecord.h"

QString identityText(const DeviceRecord &d)
{
    return QStringLiteral("  brand %1 | type %2 | sn %3 | sn_number %4 | model %5 | type_no %6 | versions %7 %8 | "
                          "listed model %9\n")
        .arg(d.brand_name, d.type_name, d.sn_name, d.sn_number)
        .arg(d.model_name_ee)
        .arg(d.type_no)
        .arg(d.currentVersionText(), d.sequenceVersionText())
        .arg(d.hasListedModelName() ? "yes" : "no");
}

QString valuesText(const DeviceRecord &d)
{
    const auto n = [](double value) { return QString::number(value, 'g', 10); };
    return QStringLiteral("  Vpv %1 | Ipv %2 | Pdc %3 | Pac %4 | Vac %5 | Iac %6 | Fac %7 | nominal %8 | "
                          "E-total %9\n")
               .arg(n(d.vpv), n(d.ipv))
               .arg(d.dc_power)
               .arg(d.ac_power)
               .arg(n(d.vac), n(d.iac), n(d.fac))
               .arg(d.nominal_fac)
               .arg(n(d.total_power)) +
           QStringLiteral("  h-total %1 | h-today %2 | state %3 | errors %4 %5 %6 %7 | efficiency %8\n")
               .arg(d.output_time, d.time_on_today)
               .arg(d.state_code)
               .arg(d.err1, 4, 16, QLatin1Char('0'))
               .arg(d.err2, 4, 16, QLatin1Char('0'))
               .arg(d.err3, 4, 16, QLatin1Char('0'))
               .arg(d.err4, 4, 16, QLatin1Char('0'))
               .arg(n(d.efficiency));
}
