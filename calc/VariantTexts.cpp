// The sentences of the variant search.
#include "calc/VariantTexts.h"

#include "calc/VariantSearch.h"

namespace variant_texts {

QString siteNotComputed() {
    return QStringLiteral("Участок не рассчитан: выполните расчёт на первой странице.");
}

QString noArrangement() {
    return QStringLiteral("Не выбрано ни одно расположение электродов: отметьте «В ряд» или "
                          "«По контуру».");
}

QString emptyList(const QString& list) {
    return QStringLiteral("Список %1 пуст: введите хотя бы одно значение.").arg(list);
}

QString notANumber(const QString& list, const QString& item) {
    return QStringLiteral("В списке %1 «%2» — не число.").arg(list, item);
}

QString notPositive(const QString& list, const QString& item) {
    return QStringLiteral("В списке %1 значение «%2» должно быть больше нуля.").arg(list, item);
}

QString notASize(const QString& list, const QString& item, const QString& form) {
    return QStringLiteral("В списке %1 «%2» — не размер вида %3.").arg(list, item, form);
}

QString ratioNotTabulated(const QString& item) {
    return QStringLiteral("Отношение a/L «%1» не входит в таблицы коэффициентов использования: "
                          "возможны 1, 2 и 3.")
        .arg(item);
}

QString tooManyCombinations(std::int64_t combinations, std::int64_t most) {
    return QStringLiteral("Сочетаний слишком много: %1, перебираются не более %2. Сократите "
                          "списки.")
        .arg(NumberText::whole(combinations), NumberText::whole(most));
}

QString anglesList() {
    return QStringLiteral("уголков b×b×δ");
}

QString roundsList() {
    return QStringLiteral("круглых электродов ⌀d");
}

QString lengthsList() {
    return QStringLiteral("длин электродов L");
}

QString ratiosList() {
    return QStringLiteral("отношений a/L");
}

QString stripsList() {
    return QStringLiteral("полос bп×δп");
}

QString maxElectrodesLimit() {
    return QStringLiteral("наибольшего числа электродов");
}

QString maxRowLengthLimit() {
    return QStringLiteral("наибольшей длины ряда");
}

QString maxContourSideLimit() {
    return QStringLiteral("наибольшей стороны контура");
}

QString pricesList() {
    return QStringLiteral("цен");
}

namespace {

QString relax(VariantLimit limit) {
    switch (limit) {
    case VariantLimit::Electrodes:
        return QStringLiteral("увеличьте наибольшее число электродов");
    case VariantLimit::RowLength:
        return QStringLiteral("увеличьте наибольшую длину ряда");
    case VariantLimit::ContourSide:
        return QStringLiteral("увеличьте наибольшую сторону контура");
    case VariantLimit::Sizes:
        return QStringLiteral("возьмите профили не меньше наименьших по ПУЭ, табл. 1.7.4");
    case VariantLimit::None:
        break;
    }
    return {};
}

} // namespace

QString nothingKept(const VariantSearchResult& r, const NumberText& n) {
    if (!r.inputError.isEmpty() || r.cancelled || r.kept > 0)
        return {};
    if (r.metNorm > 0)
        return QStringLiteral("Норму выполняют вариантов: %1, но ни один не проходит "
                              "ограничения: %2.")
            .arg(NumberText::whole(r.metNorm), relax(r.limitToRelax));
    if (!r.lowestResistance)
        return QStringLiteral("Ни для одного сочетания число электродов не укладывается в "
                              "таблицы коэффициентов использования: возьмите более длинные "
                              "электроды или большее отношение a/L.");
    QString sentence =
        QStringLiteral("Ни один вариант не обеспечивает R ≤ Rн: наименьшее R = %1 Ом при "
                       "норме %2 Ом. Возьмите более длинные электроды, большее отношение a/L "
                       "или увеличьте наибольшее число электродов.")
            .arg(n.fixed2(*r.lowestResistance), n.general(r.lowestNorm));
    if (r.metRaisedNorm > 0)
        sentence += QStringLiteral(" С учётом повышения нормы при ρ > 100 Ом·м норму выполняют "
                                   "вариантов: %1.")
                        .arg(NumberText::whole(r.metRaisedNorm));
    return sentence;
}

QString counts(const VariantSearchResult& r) {
    return QStringLiteral("Перебрано сочетаний: %1, подходят: %2; порядок — %3.")
        .arg(NumberText::whole(r.tried), NumberText::whole(r.kept),
             r.byCost ? QStringLiteral("по стоимости") : QStringLiteral("по массе"));
}

QString columnRule() {
    return QStringLiteral("ηв и ηг берутся из таблиц расположения в строке отношения a/L, в "
                          "столбце наименьшего табличного числа электродов не меньше Nу; "
                          "вариант, у которого Nу больше последнего столбца, не предлагается.");
}

} // namespace variant_texts
