#include "jobs/RadioSerial.h"

#include "link/CloneEngine.h"
#include "link/CloneSession.h"
#include "link/LinkTexts.h"
#include "link/RadioProbe.h"

#include <QEventLoop>

namespace rv::jobs {

std::string ReadRadioSerial(const rv::Session& s, const QString& device, int replyMs) {
    rv::Session info = s;
    rv::link::CloneSession session(info);
    session.setWaitInterval(replyMs);
    QEventLoop loop;
    bool read = false;
    QObject::connect(&session, &rv::link::CloneSession::question, &loop,
                     [&session](rv::link::CloneSession::Question q) { session.answer(q, false); });
    QObject::connect(&session, &rv::link::CloneSession::finished, &loop,
                     [&](bool ok, const QString&) {
                         read = ok;
                         loop.quit();
                     });
    QString error;
    if (!session.start(link::ReadRadioInfo, device, &error)) return {};
    loop.exec();
    if (!read) return {};
    const std::string serial = info.Doc.SerialNumber.get();
    const auto first = serial.find_first_not_of(' ');
    return first == std::string::npos
               ? std::string()
               : serial.substr(first, serial.find_last_not_of(' ') - first + 1);
}

} // namespace rv::jobs
