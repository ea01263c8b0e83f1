#include "EditorRegistry.h"

#include "FrmCHInfoEdit.h"
#include "FrmDTMF.h"
#include "FrmEmbMsg.h"
#include "FrmFleetSync.h"
#include "FrmKeyAssignm.h"
#include "FrmOptFeatures.h"
#include "FrmScanInfo.h"
#include "FrmTestFre.h"
#include "frmCommChInfo.h"

#include <map>

namespace rv::editors {

namespace {

template <class W> ui::ChildWindow* make(ui::AppContext& ctx, QWidget* parent) {
    return new W(ctx, parent);
}

} // namespace

ui::ChildWindow* CreateEditorWindow(ui::AppContext& ctx, const QString& formName, QWidget* parent) {
    using Maker = ui::ChildWindow* (*)(ui::AppContext&, QWidget*);
    static const std::map<QString, Maker> makers{
        {QStringLiteral("frmCommChInfo"), &make<frmCommChInfo>},
        {QStringLiteral("FrmCHInfoEdit"), &make<FrmCHInfoEdit>},
        {QStringLiteral("FrmOptFeatures"), &make<FrmOptFeatures>},
        {QStringLiteral("FrmKeyAssignm"), &make<FrmKeyAssignm>},
        {QStringLiteral("FrmScanInfo"), &make<FrmScanInfo>},
        {QStringLiteral("FrmDTMF"), &make<FrmDTMF>},
        {QStringLiteral("FrmFleetSync"), &make<FrmFleetSync>},
        {QStringLiteral("FrmTestFre"), &make<FrmTestFre>},
        {QStringLiteral("FrmEmbMsg"), &make<FrmEmbMsg>},
    };
    const auto it = makers.find(formName);
    return it == makers.end() ? nullptr : it->second(ctx, parent);
}

} // namespace rv::editors
