// Every dialog dressed by the language file and the skin: the texts read, or
// the design texts when there is no file; the colours a skin gives, and only those.
#include "dialogtest.h"

#include "dialogs/connectiondialog.h"
#include "dialogs/frmresulttest.h"
#include "dialogs/frmwizard.h"
#include "dialogs/frmwizardvalues.h"

#include <vector>

namespace {

using Show = bool (*)(const host::Skin *, const char *language, const std::function<void(QDialog &)> &look);

// Shows a D dressed by `skin` and `language` and runs `look` on it; false when it showed a message.
template <class D>
bool show(const host::Skin *skin, const char *language, const std::function<void(QDialog &)> &look)
{
    Tested<D> t(language);
    t.dialog.gSkin = skin;
    t.run(look);
    return t.capture.boxes.isEmpty();
}

TEST(Dressing, TextsComeFromTheLanguageFileOrStayAsDesigned)
{
    const struct
    {
        Show show;
        const char *language;
        std::vector<std::pair<const char *, const char *>> texts;   // control (see shownText), text
    } cases[] = {
        {show<frmResultTest>, "es",
         {{"", " Resultado de la prueba"}, {"lblValue", "Valor:"}, {"lblResult", "Resultado:"}, {"cmdOk", "&Aceptar"}}},
        {show<frmResultTest>, "xx", {{"", "Result Test"}, {"lblValue", "Value:"}}},
        {show<frmWizard>, "es",
         {{"", " Asistente de conexión a base de datos"}, {"lblQuery", "Consulta"}, {"cmdEditCnnString", "Editar..."},
          {"cmdCancel", "&Cancelar"}}},
        {show<frmWizard>, "xx", {{"", "Database Connection Wizard"}, {"lblQuery", "Query"}}},
        {show<frmWizardValues>, "es",
         {{"", " Asistente de condiciones"}, {"cmdOk", "&Aceptar"}, {"cmdCancel", "&Cancelar"},
          {"tip:cmdNewCondition", "Nueva condición"}}},
        {show<frmWizardValues>, "xx", {{"", "Conditions Wizard"}, {"cmdOk", "&Ok"}, {"tip:cmdNewCondition", ""}}},
        {show<ConnectionDialog>, "es",
         {{"", " Conexión a base de datos"}, {"cmdTestConnection", "&Probar"}, {"optDriver", "Cadena del controlador"}}},
    };
    for (const auto &c : cases) {
        EXPECT_TRUE(c.show(nullptr, c.language, [&](QDialog &shown) {
            for (const auto &[control, text] : c.texts)
                EXPECT_EQ(shownText(shown, control), QString(text)) << shown.metaObject()->className() << " " << control;
        }));
    }
}

struct Colour
{
    const char *control;   // "" is the dialog
    QPalette::ColorRole role;
    QColor expected;       // invalid: as designed
};

// The colours of `checks` that a dialog of `show` shows with `skin`.
std::vector<QColor> shownColours(Show show, const host::Skin *skin, const std::vector<Colour> &checks)
{
    std::vector<QColor> colours;
    show(skin, "en", [&](QDialog &shown) {
        for (const Colour &check : checks)
            colours.push_back((*check.control ? named(shown, check.control) : &shown)->palette().color(check.role));
    });
    return colours;
}

TEST(Dressing, SkinColoursReachTheirControlsOnlyWhenGiven)
{
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), grey(128, 128, 128), black(0, 0, 0), none;
    const auto result = [](QColor font, QColor form, QColor tab, QColor lblValueBack, QColor button) {
        return std::vector<Colour>{{"lblValue", QPalette::WindowText, font}, {"cmdOk", QPalette::ButtonText, font},
                                   {"", QPalette::Window, form},           {"panelResult", QPalette::Window, tab},
                                   {"lblValue", QPalette::Window, lblValueBack}, {"cmdOk", QPalette::Button, button}};
    };
    const auto conditions = [](QColor font, QColor form, QColor toolbar, QColor tab, QColor button) {
        return std::vector<Colour>{
            {"dtConditions", QPalette::Text, font},       {"cmdOk", QPalette::ButtonText, font},
            {"", QPalette::Window, form},                 {"panelToolbar", QPalette::Window, toolbar},
            {"cmdDeleteCondition", QPalette::Button, toolbar}, {"dtConditions", QPalette::Base, tab},
            {"panelContainer", QPalette::Window, tab},    {"cmdCancel", QPalette::Button, button}};
    };
    const struct
    {
        const char *name;
        Show show;
        bool skinned;   // false: no skin at all
        SkinColours colours;
        std::vector<Colour> checks;
    } cases[] = {
        {"result none", show<frmResultTest>, true, {}, result(none, none, none, none, none)},
        {"result all", show<frmResultTest>, true, {0x0000ff, 0x00ff00, -1, -1, 0xff0000, 0},
         result(red, green, blue, blue, black)},
        {"result members missing", show<frmResultTest>, true, {0x0000ff, Missing, -1, -1, Missing, 0},
         result(red, none, none, none, black)},
        {"result no skin", show<frmResultTest>, false, {0, 0, 0, 0, 0, 0}, result(none, none, none, none, none)},
        {"conditions none", show<frmWizardValues>, true, {}, conditions(none, none, none, none, none)},
        {"conditions all", show<frmWizardValues>, true, {0x0000ff, 0x00ff00, 0xff0000, -1, 0x808080, 0},
         conditions(red, green, blue, grey, black)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<QColor> designed = shownColours(c.show, nullptr, c.checks);
        const TestSkin skin(c.colours);
        const std::vector<QColor> shown = shownColours(c.show, c.skinned ? &skin : nullptr, c.checks);
        for (size_t i = 0; i < c.checks.size(); ++i)
            EXPECT_EQ(shown[i], c.checks[i].expected.isValid() ? c.checks[i].expected : designed[i])
                << c.checks[i].control << " role " << c.checks[i].role;
    }
}

} // namespace
