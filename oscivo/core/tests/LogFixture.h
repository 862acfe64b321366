#pragma once
// A core test with a log reader over bytes that the test keeps.

#include "CoreFixture.h"
#include "LogSamples.h"
#include "oscivo/core/LogReader.h"

class LogTest : public CoreTest {
protected:
    // Opens a log and reads its header.
    int Read(const std::string& log)
    {
        m_bytes = log;
        reader.OpenBytes(m_bytes);
        return reader.ReadLogHeader(model);
    }

    LogReader reader;
    std::string m_bytes;
};
