// The plug-in's six exports. Each catches everything at its edge: a failure is one line in the
// platform log ("Vortane: Init: <message>"), after which the plug-in asks to quit and the host
// still ends it through Exit and PostExit.
#include <exception>
#include <string>

#include <xercesc/util/PlatformUtils.hpp>

#include "persistence/XercesUtils.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "plugin/EngineTable.h"
#include "plugin/GameMaster.h"
#include "plugin/PluginGlobals.h"
#include "plugin/PluginLog.h"
#include "plugin/TickManager.h"

namespace Vortane {

Tavek::GameMaster* theGameMaster = nullptr;
bool quitRequested = false;
void (*beforeInit)() = nullptr;

namespace {

// The XML library is started by the first Init and ended once by PostExit; it cannot be
// started again in the same load of the library.
bool xmlStarted = false;
bool xmlEnded = false;

template <typename Body>
void guarded(const char* exportName, Body body) {
    try {
        body();
    } catch (const std::exception& e) {
        report(std::string("Vortane: ") + exportName + ": " + e.what());
        quitRequested = true;
    } catch (...) {
        report(std::string("Vortane: ") + exportName + ": an unknown error");
        quitRequested = true;
    }
}

}  // namespace

}  // namespace Vortane

using namespace Vortane;

extern "C" {

void LibInit(const VuzEntry* table) {
    guarded("LibInit", [&] {
        if (!bindEngineTable(table)) report("Vortane: LibInit: no engine table; the plug-in does nothing");
    });
}

void PreInit(void) {}

void Init(void) {
    guarded("Init", [] {
        if (theGameMaster || !isEngineBound()) return;  // without a table the plug-in stays inert
        if (xmlEnded) {
            report("Vortane: Init: the XML library was ended by PostExit; load the plug-in again");
            quitRequested = true;
            return;
        }
        XercesUtils::instance();
        xmlStarted = true;
        if (beforeInit) beforeInit();
        theGameMaster = new Tavek::GameMaster();
        theGameMaster->setTicking(true);
    });
}

void Run(void) {
    guarded("Run", [] { TickManager::instance().tickAll(); });
    if (quitRequested) iExit();
}

void Exit(void) {
    guarded("Exit", [] {
        Tavek::GameMaster* master = theGameMaster;
        theGameMaster = nullptr;
        delete master;
    });
}

void PostExit(void) {
    guarded("PostExit", [] {
        if (!xmlStarted) return;
        xmlStarted = false;
        xmlEnded = true;
        xercesc::XMLPlatformUtils::Terminate();
    });
}

}  // extern "C"
