#include "tests/support/quobbin_process.h"

QProcess* startQuobbin(QProcess& program, QStringList arguments, bool terminal) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(display);
    }
    while (!arguments.isEmpty() && arguments.first().contains('=') &&
           !arguments.first().startsWith('-')) {
        const QString setting = arguments.takeFirst();
        environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
    }
    program.setProcessEnvironment(environment);
    if (terminal) {
        const QString command = QStringLiteral(QUOBBIN_PROGRAM " ") + arguments.join(' ');
        program.start("script", {"-qfec", command, "/dev/null"});
    } else {
        program.start(QUOBBIN_PROGRAM, arguments);
    }
    return &program;
}

QuobbinRun runQuobbin(const QStringList& arguments) {
    QProcess program;
    startQuobbin(program, arguments)->waitForFinished(30000);
    return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}
