#include "support/pollingrig.h"

#include "base/appsettings.h"
#include "monitor/programstate.h"
#include "monitor/sensorsettings.h"

#include <QJsonDocument>
#include <QtTest>

const QByteArray PollingRig::kOneInverter = R"({"inverters":[{"address":1,"serial":"LE44A0012345",
  "registers":{"1":4660,"181":50,"193":2000,"247":2100}}]})";

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

void PollingRig::addSensor(int slave, int start, const QString &op, double factor, bool crcHighFirst, bool lowByteFirst)
{
    QCOMPARE(db_exec(QStringLiteral("INSERT INTO sensor_setting (slave_addr,start_addr,reg_addr,operator,multiplier,"
                                    "header,unit,append_first,lowbyte_first) VALUES (?,?,1,?,?,'S','u',?,?)"),
                     {slave, start, op, factor, int(crcHighFirst), int(lowByteFirst)}),
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
