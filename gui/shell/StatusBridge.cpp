#include "gui/shell/StatusBridge.h"

#include <QFile>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace talvoren
{
namespace
{
// After the web channel's own script: a property "status" of window whose
// setter keeps the text and hands it to the host (queued until the channel is up).
const char kBridgeScript[] = R"JS(
(function () {
  var text = '';
  var host = null;
  var pending = [];
  function send(value) { if (host) host.StatusTextChange(value); else pending.push(value); }
  try {
    new QWebChannel(qt.webChannelTransport, function (channel) {
      host = channel.objects.talvorenHost;
      for (var i = 0; i < pending.length; ++i) host.StatusTextChange(pending[i]);
      pending = [];
    });
  } catch (e) {}
  Object.defineProperty(window, 'status', {
    configurable: true,
    get: function () { return text; },
    set: function (value) { text = String(value); send(text); }
  });
})();
)JS";
}

void CStatusBridge::Install(QWebEnginePage* page)
{
    auto* channel = new QWebChannel(page);
    channel->registerObject(QStringLiteral("talvorenHost"), this);
    page->setWebChannel(channel, QWebEngineScript::MainWorld);

    QFile library(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    QString source;
    if (library.open(QIODevice::ReadOnly))
        source = QString::fromUtf8(library.readAll());
    source += QString::fromUtf8(kBridgeScript);

    QWebEngineScript script;
    script.setName(QStringLiteral("talvoren-status-bridge"));
    script.setSourceCode(QStringLiteral("(function(){") + source + QStringLiteral("})();"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    page->scripts().insert(script);
}

} // namespace talvoren

#include "moc_StatusBridge.cpp"
