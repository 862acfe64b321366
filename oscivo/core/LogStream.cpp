#include "oscivo/core/LogStream.h"

#include <QFileInfo>

bool LogStream::Open(const QString& path)
{
    Close();
    m_file.setFileName(path);
    if (!QFileInfo(path).isFile() || !m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    m_open = true;
    return true;
}

void LogStream::OpenBytes(std::string_view bytes)
{
    Close();
    m_data = bytes;
    m_open = true;
}

void LogStream::Close()
{
    m_file.close();
    m_buffer = std::string();
    m_data = {};
    m_pos = 0;
    m_open = false;
    m_ended = false;
}

bool LogStream::SkipPast(char c)
{
    for (int got = Get(); got != c; got = Get())
        if (got == kEnd)
            return false;
    return true;
}

int LogStream::ReadUpTo(std::string& text, std::string_view stops, std::size_t keep)
{
    const std::size_t limit = keep == std::string::npos ? keep : text.size() + keep;
    for (;;) {
        const int c = Get();
        if (c == kEnd || stops.find(static_cast<char>(c)) != std::string_view::npos)
            return c;
        if (text.size() < limit)
            text += static_cast<char>(c);
    }
}

int LogStream::Peek()
{
    if (m_pos == m_data.size() && !Refill())
        return kEnd;
    return static_cast<unsigned char>(m_data[m_pos]);
}

bool LogStream::Refill()
{
    if (!m_file.isOpen())
        return false;
    m_buffer.resize(kChunk);
    const qint64 got = m_file.read(m_buffer.data(), static_cast<qint64>(kChunk));
    if (got <= 0) // a read error ends the log as its end does
        return false;
    m_data = std::string_view(m_buffer.data(), static_cast<std::size_t>(got));
    m_pos = 0;
    return true;
}

int LogStream::End()
{
    m_ended = true;
    return kEnd;
}
