#pragma once
// A host log read one character at a time, from its file or from bytes in memory. As the
// Windows program read it in text mode, CR LF reads as LF; and, as its readers did, a byte 0xFF
// ends the log like the real end. Whoever plays a log owns its stream: it opens it for the log,
// closes it when playback stops or fails, and opens it again for a rewind.

#include <QFile>

#include <string>
#include <string_view>

class LogStream {
public:
    static constexpr int kEnd = -1;

    LogStream() = default;
    LogStream(const LogStream&) = delete;
    LogStream& operator=(const LogStream&) = delete;

    // Opens a regular file, closing the log open before; false when it cannot be read.
    bool Open(const QString& path);
    // Reads bytes that the caller keeps alive until the stream is closed or opened again.
    void OpenBytes(std::string_view bytes);
    void Close();
    bool IsOpen() const { return m_open; }

    // The next character (0..254), or kEnd at the end of the log and from then on; a closed
    // stream is at its end.
    int Get()
    {
        if (m_ended || (m_pos == m_data.size() && !Refill()))
            return End();
        const auto c = static_cast<unsigned char>(m_data[m_pos++]);
        if (c == 0xFF)
            return End();
        if (c == '\r' && Peek() == '\n') {
            ++m_pos;
            return '\n';
        }
        return c;
    }

    // Reads up to and including the next c; false when the log ends first.
    bool SkipPast(char c);
    // Reads the characters up to the next of the stop characters and appends the first keep of
    // them to text; returns the character that ended them, or kEnd.
    int ReadUpTo(std::string& text, std::string_view stops, std::size_t keep = std::string::npos);

private:
    static constexpr std::size_t kChunk = 64 * 1024;

    // The next byte without taking it; kEnd when there is none.
    int Peek();
    // Brings the next chunk of the file; false at its end, on a read error and for bytes.
    bool Refill();
    int End();

    QFile m_file;
    std::string m_buffer;
    std::string_view m_data; // the chunk being read, or the caller's bytes
    std::size_t m_pos = 0;
    bool m_open = false;
    bool m_ended = false;
};
