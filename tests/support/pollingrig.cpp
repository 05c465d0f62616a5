#include "support/pollingrig.h"

#include "base/appsettings.h"
#include "monitor/programstate.h"
#include "monitor/sensorsettings.h"

#include <QJsonDocument>
#include <QtTest>

const QByteArray PollingRig::kOneInverter = R"({"inverters":[{"address":1,"serial":"LE44A0012345",
  "registers":{"1":4660,"181":50,"193":2000,"247":2100}}]})";

// The mixed plant's four inverters (EUR two-string, EUR model 460, USA0,
// USA1) with fixed words, and its two sensors with fixed values.
const QByteArray PollingRig::kMixedPlant = R"({"inverters":[
 {"address":1,"versionw3":0,"model":440,"typeNo":2,"type":"LMR-4K4-EU","serial":"LE44A0012345",
  "serialNumber":[12,345],"currentVersion":2.14,"sequenceVersion":1.07,
  "registers":{"1":4660,"181":50,"186":3000,"188":3200,"189":1100,"191":1000,"192":2300,"193":2000,"194":87,
   "195":5000,"196":18,"197":3426,"209":9120,"210":5,"211":6,"225":30,"227":32,"247":2100}},
 {"address":2,"versionw3":0,"model":460,"typeNo":2,"type":"LMR-6K0-EU","serial":"LE60B0023456",
  "serialNumber":[23,456],"currentVersion":2.14,"sequenceVersion":1.07,
  "registers":{"1":4661,"181":50,"186":3000,"187":3100,"188":3200,"189":1000,"190":1100,"191":1200,"192":2310,
   "193":3100,"194":134,"196":25,"197":1073,"209":9350,"225":30,"226":31,"227":32,"247":3300}},
 {"address":3,"versionw3":203,"model":500,"typeNo":7,"type":"LMR-5K0-US","serial":"LU50C0034567",
  "serialNumber":[34,567],"currentVersion":3.02,"sequenceVersion":1.12,
  "registers":{"1":4662,"181":60,"182":8,"186":3600,"189":1500,"192":2400,"193":1440,"194":60,"196":12,"197":40,
   "209":7010,"210":1,"211":2,"225":42,"247":1500}},
 {"address":4,"versionw3":303,"model":1500,"typeNo":9,"type":"LMR-15K-3P","serial":"LT15D0045678",
  "serialNumber":[45,678],"currentVersion":4.01,"sequenceVersion":2.03,
  "registers":{"181":50,"186":5200,"187":5100,"188":150,"189":140,"190":7000,"191":7500,"192":2770,"193":170,
   "194":4700,"195":2770,"196":170,"197":4700,"198":2770,"199":170,"200":4700,"201":6000,"202":64,"203":3219,
   "214":11200,"215":7,"216":8,"229":60}}],
 "sensors":[{"slave":21,"register":1,"crcOrder":"lowFirst","byteOrder":"highFirst","value":850},
            {"slave":22,"register":3,"crcOrder":"highFirst","byteOrder":"lowFirst","value":451}]})";

PollingRig::PollingRig(const QDateTime &start)
    : clock(start)
{
    dir.openDatabase();
    sim.setFixedTime(start);
}

PollingRig::~PollingRig()
{
    thread.stop();
    thread.wait();
    sim.setTrace({});
}

bool PollingRig::startPlant(const QByteArray &scenario, const QList<int> &addresses)
{
    QString error;
    if (!sim.start(QJsonDocument::fromJson(scenario).object(), &error) ||
        !sim.link(dir.file(QStringLiteral("ports/COM%1").arg(kPort)))) {
        qWarning() << "the plant did not start:" << error;
        return false;
    }
    ProgramState::instance().setLineSettings(kPort, kBaud);
    ProgramState::instance().addressTable().assign(addresses);
    return true;
}

void PollingRig::setSetting(const SettingKey &key, int value)
{
    AppSettings settings;
    settings.setValue(key, value);
}

void PollingRig::addSensor(int slave, int start, const QString &op, double factor, bool crcHighFirst, bool lowByteFirst,
                           const QString &header, const QString &unit)
{
    QCOMPARE(db_exec(QStringLiteral("INSERT INTO sensor_setting (slave_addr,start_addr,reg_addr,operator,multiplier,"
                                    "header,unit,append_first,lowbyte_first) VALUES (?,?,1,?,?,?,?,?,?)"),
                     {slave, start, op, factor, header, unit, int(crcHighFirst), int(lowByteFirst)}),
             0);
    ProgramState::instance().sensors().load(readSensorSettings());
}

bool PollingRig::run(int cycles, const std::function<void(int)> &perCycle, int timeoutMs)
{
    int count = 0; // the polling thread's alone while it runs
    const auto connection = QObject::connect(
        &thread, &QPollingThread::polling_ok, &thread,
        [&] {
            ++count;
            if (perCycle)
                perCycle(count);
            if (count >= cycles)
                thread.stop();
        },
        Qt::DirectConnection);
    thread.start();
    const bool finished = thread.wait(ulong(timeoutMs));
    if (!finished) {
        thread.stop();
        thread.wait();
    }
    QObject::disconnect(connection);
    return finished;
}

std::function<void(int)> PollingRig::minuteCycles(const std::function<void(int)> &also)
{
    return [this, also](int cycle) {
        if (also)
            also(cycle);
        clock.advance(60000 - (cycle == 1 ? 3000 : 100));
    };
}

void PollingRig::onRequest(const std::function<void(const QByteArray &)> &handler)
{
    sim.setTrace([handler](const QString &line) {
        const int heard = line.indexOf(QLatin1String(" <- "));
        if (heard < 0)
            return;
        const QString hex = line.mid(heard + 4).section(QLatin1String("  ("), 0, 0);
        handler(QByteArray::fromHex(hex.toLatin1()));
    });
}

int PollingRig::requestsTo(int address) const
{
    int count = 0;
    for (const HeardRequest &request : sim.requests()) {
        if (request.kind == HeardRequest::Kind::Inverter && quint8(request.bytes.at(1)) == address)
            ++count;
        else if (request.kind == HeardRequest::Kind::Sensor && address == 0)
            ++count;
    }
    return count;
}

QString PollingRig::expectedMonitorData(int inverter, bool usa1) const
{
    QVector<quint16> words = sim.readRegisters(inverter, 186, usa1 ? 30 : 84);
    if (!usa1)
        words += sim.readRegisters(inverter, 1, 1);
    QStringList texts;
    for (quint16 word : words)
        texts << QString::number(word);
    return texts.join(QLatin1Char(','));
}

QStringList PollingRig::column(const DbRows &rows, const QString &name)
{
    QStringList values;
    for (const DbRow &row : rows)
        values << row.value(name);
    return values;
}

QString PollingRig::rowsText(const DbRows &rows)
{
    QString text = rows.isEmpty() ? QString() : rows.first().keys().join(QLatin1Char('|')) + QLatin1Char('\n');
    for (const DbRow &row : rows)
        text += row.values().join(QLatin1Char('|')) + QLatin1Char('\n');
    return text;
}

DbRows PollingRig::inverterRows() const
{
    return db_query(QStringLiteral("SELECT * FROM orva_inverter ORDER BY id"));
}

DbRows PollingRig::logRows() const
{
    return db_query(QStringLiteral("SELECT * FROM orva_monitor_log ORDER BY id"));
}

QString PollingRig::logText() const
{
    return QString::fromUtf8(dir.read(QStringLiteral("log.txt")));
}
