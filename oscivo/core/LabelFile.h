#pragma once
// Label files: per module a file in the "labels" folder, named after the module's part number,
// that gives each group a title and each field a name and a description ("group,field,name,
// description" lines; field 0 is the title, 1..4 the fields 0..3). A module whose part number
// has a suffix may share the file without the suffix, whose "REDIRECT" lines can send whole
// suffix families to another file.

#include <string>
#include <string_view>

// The label file's name in the labels folder, from the part of g_szScalingName before ".SCL":
// "123-456-789" from its first eleven characters (the fourth and eighth become "-"), with the
// suffix the letters and digits among its characters 13 to 15 ("123-456-789-AB.LBL"). A name
// shorter than eleven characters is used as it is ("OBD.LBL").
std::string MakeLabelFileName(bool withSuffix);

// Characters 13 to 15 of that name in upper case, up to the first that is not a letter or a
// digit: the suffix that REDIRECT lines list.
std::string ModuleSuffix();

// Whether the line is a REDIRECT line that lists the module's suffix; it then leaves the
// target's name in g_szRedirectPath.
bool MatchRedirectLine(std::string_view line);

// Takes one label line into g_labels; comments and malformed lines change nothing.
void ParseLabelLine(std::string_view line);

// Empties every text of g_labels.
void ClearLabels();

// The lines of a label file, each ended by a line feed (CR LF reads as LF).
class LabelLineReader {
public:
    static constexpr std::size_t kLineSize = 4131; // characters kept of a line; the rest is passed over

    explicit LabelLineReader(std::string_view bytes) : m_bytes(bytes) {}

    // The next line without its line end: 0 = a line was read, -1 = the file ended (line then
    // holds what came after the last line feed, which does not count as a line).
    int ReadTextLine(std::string& line);

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

// ParseLabelLine for every line of a label file's bytes.
void ReadLabelFile(std::string_view bytes);

// Empties g_labels and loads the module's label file: the one with the suffix, or else the
// one without it or the target of its first REDIRECT line that lists the module's suffix.
void LoadLabels();
