#pragma once

class Dialogs;
class Settings;
class Folders;
class Clock;
class Shell;
class Process;
class AudioChannel;
class ModalWindows;
class LiveServer;
class Disk;
class MqttClient;

// The platform services the windows use; main builds the real ones, tests the doubles.
struct Platform {
    Dialogs& dialogs;
    Settings& settings;
    Folders& folders;
    Clock& clock;
    Shell& shell;
    Process& process;
    AudioChannel& audio;
    ModalWindows& modal;
    LiveServer& live;
    Disk& disk;
    // The venue's broker; none where a program never publishes.
    MqttClient* mqtt;
};
