#include "messages/ErrorText.h"

namespace kestrom {

namespace {

struct CodeText {
    int code;
    const char* text;
};

constexpr CodeText kTexts[] = {
    {1, "Invalid DOS function!"},
    {2, "File not found!"},
    {3, "Invalid filename or directory!"},
    {4, "Too many files open!"},
    {5, "Access denied! The file is set to Read Only, is currently in use by another\r\n"
        "application or the disk has been write protected."},
    {6, "Invalid file handle!"},
    {8, "Not enough memory!"},
    {12, "Invalid file access code!"},
    {15, "Invalid drive!"},
    {16, "Cannot remove current directory."},
    {19, "Disk is write protected!"},
    {150, "Disk is write protected!"},
    {30, "The disk that you are currently trying to use contains an error.\r\n"
         "This is usually caused by bad sectors on the disk itself."},
    {31, "Disk is unformatted."},
    {32, "File is currently being used by the system."},
    {100, "Disk read error! File may be damaged."},
    {101, "The disk is full! Please insert another disk and try again."},
    {112, "The disk is full! Please insert another disk and try again."},
    {106, "Invalid file format!"},
    {152, "The drive is empty! Please insert~a diskette and try again."},
    {154, "CRC error in data!"},
    {156, "Disk seek error!"},
    {157, "Unknown media type!"},
    {158, "Sector not found!"},
    {159, "The printer is out of paper!"},
    {160, "Device write fault!"},
    {161, "Device read fault!"},
    {162, "Hardware failure!"},
    {10001, "Unable to create temporary file! Check\r"
            "directory settings under Preferences in\r"
            "the Options menu."},
};

} // namespace

QString ErrorText(int code) {
    if (code == 0)
        return {};
    for (const CodeText& entry : kTexts) {
        if (entry.code == code)
            return QString::fromLatin1(entry.text);
    }
    return QStringLiteral("Unknown Error #") + QString::number(code);
}

QString OutOfMemoryText() {
    return QStringLiteral("There is not enough memory to complete\r"
                          "the requested operation! Try closing\r"
                          "unused applications or reconfiguring\r"
                          "Windows to free additional memory.");
}

QString InvalidPointerText() {
    return QStringLiteral("Unable to release allocated memory! Memory\r"
                          "may have been corrupted by another application.");
}

} // namespace kestrom
