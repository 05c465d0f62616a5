#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// One message for the broker. The QoS is the connection's.
struct MqttMessage
{
    QString topic;
    QByteArray payload; // empty and retained: clears the retained message
    bool retain = false;
};

// The messages of one polling cycle, or of one announcement, in order.
using MqttBatch = QVector<MqttMessage>;
