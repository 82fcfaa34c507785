#pragma once

// The benchmarks' message sink: counts the messages, so that a run that stopped shows.

#include "model/formstate.h"

class SilentSink final : public MessageSink {
public:
    void showMessage(const QString& /*text*/) override { ++count; }
    int count = 0;
};
