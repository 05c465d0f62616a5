#pragma once

#include "scenario.h"
#include "simclock.h"
#include "simulatedinverter.h"
#include "simulatedsensor.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QString>
#include <QVector>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class PseudoTerminal;

// One request the simulator heard on the line.
struct HeardRequest
{
    enum class Kind { Inverter, Sensor, Unknown };

    qint64 sequence = 0; // 0, 1, 2 ... since the start
    double atMs = 0.0;   // arrival of its first byte, ms since the start
    QDateTime simTime;   // the simulated wall time then
    int baud = 0;        // the line's rate then
    Kind kind = Kind::Unknown;
    QByteArray bytes;
    QByteArray answer;   // every byte put on the line for it, in order; empty when unanswered
    double lateMs = 0.0; // how much later than due the simulator put its answer on the line (the most of its parts)
    QVector<FaultSpec::Type> struck; // the reply faults that spoiled or withheld its answer
};

// The far end of the inverter line on a pseudo-terminal: the plant of a
// scenario answers on its own thread, paced like a real line at the baud rate
// the program set. Every public function may be called from any thread.
class LineSimulator
{
public:
    LineSimulator();  // opens the pseudo-terminal
    ~LineSimulator(); // stops, closes the pseudo-terminal and removes its link
    LineSimulator(const LineSimulator &) = delete;
    LineSimulator &operator=(const LineSimulator &) = delete;

    // Starts answering with the plant of a scenario; false (and the reasons)
    // when the scenario is invalid, the pseudo-terminal is not open or it runs already.
    bool start(const Scenario &scenario, QString *error = nullptr);
    bool start(const QJsonObject &scenario, QString *error = nullptr);
    bool startFile(const QString &path, QString *error = nullptr);
    void stop();
    bool isRunning() const { return m_thread.joinable(); }

    QString ptyPath() const;
    // Links path (for example <appdir>/ports/COM7) to the pseudo-terminal, making its directory.
    // An old link there is replaced; anything else at the path makes it fail.
    bool link(const QString &path);
    // Called on the simulator's thread with one line per request heard and per answer sent.
    void setTrace(std::function<void(const QString &)> trace);

    // The plant at run time. Inverters and sensors count in scenario order;
    // functions with a bad index do nothing and return false.
    int inverterCount() const;
    int address(int inverter) const;
    QVector<int> invertersAt(int address) const;
    bool setAddress(int inverter, int address);
    // A constant that wins over scenario values, live values and schedules until cleared.
    bool setRegister(int inverter, int reg, quint16 value);
    bool clearRegister(int inverter, int reg);
    bool setErrorWord(int inverter, int word, quint16 value); // word 1 ... 4 = register 182 ... 185
    // What a function-3 read of the inverter would give now (faults aside).
    QVector<quint16> readRegisters(int inverter, int first, int count) const;
    bool setFaults(int inverter, const QVector<FaultSpec> &faults);
    bool addFault(int inverter, const FaultSpec &fault);
    bool setSensorRegister(int slave, int reg, quint16 value);
    bool setSensorFaults(int slave, const QVector<FaultSpec> &faults);

    // The time the daylight curves, energy counters, schedules and fault windows follow.
    void setTimeOffset(qint64 seconds);
    void setFixedTime(const QDateTime &time); // an invalid time: the wall clock again
    QDateTime now() const;
    double elapsedSeconds() const;

    // The requests heard since the start (the latest kLogLimit of them).
    QVector<HeardRequest> requests() const;
    void clearRequests();
    qint64 requestCount() const; // all heard since the start, cleared or not
    // Waits until `count` requests have been heard since the start.
    bool waitForRequests(qint64 count, int timeoutMs) const;

    static constexpr int kLogLimit = 20000;

private:
    using TimePoint = std::chrono::steady_clock::time_point;
    struct Pending
    {
        TimePoint due;
        QByteArray bytes;
        qint64 sequence; // of the request it answers; -1 for unsolicited bytes
    };

    // A scenario read from JSON or a file; without one, the reasons in error.
    bool startParsed(const std::optional<Scenario> &scenario, const QStringList &errors, QString *error);
    void run();
    void handleFrame(const QByteArray &frame, TimePoint firstByte, QStringList &trace);
    void answerInverters(const QByteArray &frame, TimePoint requestEnd, double byteUs, HeardRequest &heard,
                         QStringList &trace);
    void answerSensors(const QByteArray &frame, TimePoint requestEnd, double byteUs, HeardRequest &heard);
    void queue(TimePoint due, const QByteArray &bytes, qint64 sequence);
    void writeDue(TimePoint now, QStringList &trace);
    void flood(TimePoint now, QStringList &trace);
    void emitTrace(const QStringList &lines) const;
    double msSinceStart(TimePoint t) const;
    SimulatedSensor *sensor(int slave); // m_mutex held
    bool changeInverter(int index, const std::function<void(SimulatedInverter &)> &change);

    std::unique_ptr<PseudoTerminal> m_pty;
    int m_wakeFd = -1;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::function<void(const QString &)> m_trace;

    // Guarded by m_mutex.
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_heardCondition; // a request heard, or the thread listening
    LineSpec m_line;
    std::vector<SimulatedInverter> m_inverters;
    std::vector<SimulatedSensor> m_sensors;
    SimClock m_clock;
    QRandomGenerator m_random;
    std::deque<HeardRequest> m_log;
    qint64 m_heardCount = 0;
    bool m_listening = false; // the thread has begun to watch the line

    // The simulator's thread only.
    TimePoint m_startedAt;
    std::vector<Pending> m_pending; // ordered by due time
    TimePoint m_lastFlood;
    std::vector<double> m_floodCredit; // per inverter, bytes owed
};
