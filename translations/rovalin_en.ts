<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Catalogue_Editor</name>
    <message>
        <source>Ваш файл %1 не читается (%2). Он перенесён как есть в %3, записи этого вида начаты заново.</source>
        <translation>Your file %1 could not be read (%2). It was moved as is to %3, and records of this kind start afresh.</translation>
    </message>
    <message>
        <source>Ваш файл %1 не читается (%2), а перенести его не удалось (%3).</source>
        <translation>Your file %1 could not be read (%2), and moving it aside failed (%3).</translation>
    </message>
    <message>
        <source>%1: нет числа</source>
        <translation>%1: number missing</translation>
    </message>
    <message>
        <source>%1: «%2» — это не число</source>
        <translation>%1: “%2” is not a number</translation>
    </message>
    <message>
        <source>«%1» — нет такого элемента</source>
        <translation>“%1”: no such element</translation>
    </message>
    <message>
        <source>%1 указан дважды</source>
        <translation>%1 is given twice</translation>
    </message>
    <message>
        <source>растворимость</source>
        <translation>solubility</translation>
    </message>
    <message>
        <source>температура</source>
        <translation>temperature</translation>
    </message>
    <message>
        <source>вода</source>
        <translation>water</translation>
    </message>
    <message>
        <source>нет названия</source>
        <translation>no name</translation>
    </message>
    <message>
        <source>в ваших записях уже есть «%1»</source>
        <translation>you already have a record named “%1”</translation>
    </message>
    <message>
        <source>запись была бы пропущена</source>
        <translation>the record would be skipped</translation>
    </message>
    <message>
        <source>Не удалось сохранить %1: %2.</source>
        <translation>Could not save %1: %2.</translation>
    </message>
    <message>
        <source>Запись не сохранена: %1</source>
        <translation>Record not saved: %1</translation>
    </message>
</context>
<context>
    <name>Designer_Window</name>
    <message>
        <source>Подбор рецепта</source>
        <translation>Design a recipe</translation>
    </message>
    <message>
        <source> л</source>
        <translation> l</translation>
    </message>
    <message>
        <source> мл</source>
        <translation> ml</translation>
    </message>
    <message>
        <source> мл в неделю</source>
        <translation> ml a week</translation>
    </message>
    <message>
        <source>Аквариум:</source>
        <translation>Tank:</translation>
    </message>
    <message>
        <source>Воды в бутылке:</source>
        <translation>Water in the bottle:</translation>
    </message>
    <message>
        <source>Доза:</source>
        <translation>Dose:</translation>
    </message>
    <message>
        <source>Название:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Хочу, мг/л в неделю</source>
        <translation>Target, mg/l a week</translation>
    </message>
    <message>
        <source>Получится, мг/л в неделю</source>
        <translation>Achieved, mg/l a week</translation>
    </message>
    <message>
        <source>Отклонение, %</source>
        <translation>Deviation, %</translation>
    </message>
    <message>
        <source>Вещество</source>
        <translation>Compound</translation>
    </message>
    <message>
        <source>Граммы</source>
        <translation>Grams</translation>
    </message>
    <message>
        <source>Растворимость, %</source>
        <translation>Solubility, %</translation>
    </message>
    <message>
        <source>Бутылка</source>
        <translation>Bottle</translation>
    </message>
    <message>
        <source>Предложить</source>
        <translation>Suggest</translation>
    </message>
    <message>
        <source>Отметить для каждой цели вещества с формулой, которые её дают</source>
        <translation>For each target, tick the compounds whose formula supplies it</translation>
    </message>
    <message>
        <source>Сохранить как рецепт</source>
        <translation>Save as recipe</translation>
    </message>
    <message>
        <source>Добавить в план</source>
        <translation>Add to plan</translation>
    </message>
    <message>
        <source>не проверить</source>
        <translation>cannot check</translation>
    </message>
    <message>
        <source>Растворимость этого вещества не известна: проверить, растворится ли столько в воде бутылки, нельзя.</source>
        <translation>The solubility of this compound is unknown, so there is no way to check whether this much will dissolve in the bottle&apos;s water.</translation>
    </message>
    <message>
        <source>В ваших рецептах уже есть %1. Заменить?</source>
        <translation>Your recipes already include %1. Replace it?</translation>
    </message>
    <message>
        <source>Сохранено в «Мои удобрения»: %1.</source>
        <translation>Saved to “My fertilizers”: %1.</translation>
    </message>
    <message>
        <source>Подбор рецепта…</source>
        <translation>Design a recipe…</translation>
    </message>
</context>
<context>
    <name>Editor_Window</name>
    <message>
        <source>Мои удобрения</source>
        <translation>My fertilizers</translation>
    </message>
    <message>
        <source>Новая запись</source>
        <translation>New record</translation>
    </message>
    <message>
        <source>Готовое удобрение</source>
        <translation>Ready-made fertilizer</translation>
    </message>
    <message>
        <source>Вещество</source>
        <translation>Compound</translation>
    </message>
    <message>
        <source>Рецепт</source>
        <translation>Recipe</translation>
    </message>
    <message>
        <source>Изменить копию</source>
        <translation>Edit a copy</translation>
    </message>
    <message>
        <source>Копия записи, выбранной в главном окне, в ваш файл: так исправляют цифры из поставки</source>
        <translation>Copies the record selected in the main window into your file: this is how to correct the bundled figures</translation>
    </message>
    <message>
        <source>Удалить…</source>
        <translation>Delete…</translation>
    </message>
    <message>
        <source>Откуда цифры: этикетка, страница производителя, справочник</source>
        <translation>Where the figures come from: label, manufacturer&apos;s page, reference book</translation>
    </message>
    <message>
        <source>Вид:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Название:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Опорный элемент:</source>
        <translation>Reference element:</translation>
    </message>
    <message>
        <source>Источник:</source>
        <translation>Source:</translation>
    </message>
    <message>
        <source>Например KNO3 или MgSO4·7H2O: доли элементов считаются по формуле</source>
        <translation>For example KNO3 or MgSO4·7H2O: element fractions are calculated from the formula</translation>
    </message>
    <message>
        <source>Формула:</source>
        <translation>Formula:</translation>
    </message>
    <message>
        <source>Растворимость, г/л:</source>
        <translation>Solubility, g/l:</translation>
    </message>
    <message>
        <source>при температуре, °C:</source>
        <translation>at temperature, °C:</translation>
    </message>
    <message>
        <source>Вещество или формула</source>
        <translation>Compound or formula</translation>
    </message>
    <message>
        <source>Граммы</source>
        <translation>Grams</translation>
    </message>
    <message>
        <source>Название вещества из списка «Самомес» или его формула</source>
        <translation>A compound name from the “DIY salts” list, or its formula</translation>
    </message>
    <message>
        <source>Вода, мл:</source>
        <translation>Water, ml:</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Готовые удобрения</source>
        <translation>Ready-made fertilizers</translation>
    </message>
    <message>
        <source>Вещества</source>
        <translation>Compounds</translation>
    </message>
    <message>
        <source>Рецепты</source>
        <translation>Recipes</translation>
    </message>
    <message>
        <source>готовое удобрение</source>
        <translation>ready-made fertilizer</translation>
    </message>
    <message>
        <source>вещество</source>
        <translation>compound</translation>
    </message>
    <message>
        <source>рецепт</source>
        <translation>recipe</translation>
    </message>
    <message>
        <source>, новая запись</source>
        <translation>, new record</translation>
    </message>
    <message>
        <source>Доля</source>
        <translation>Fraction</translation>
    </message>
    <message>
        <source>мг/мл</source>
        <translation>mg/ml</translation>
    </message>
    <message>
        <source>Доли элементов (0.25 — это 25 %):</source>
        <translation>Element fractions (0.25 means 25 %):</translation>
    </message>
    <message>
        <source>Содержание, мг на мл:</source>
        <translation>Content, mg per ml:</translation>
    </message>
    <message>
        <source>Доли элементов по формуле:</source>
        <translation>Element fractions from the formula:</translation>
    </message>
    <message>
        <source>Содержание бутылки, мг на мл:</source>
        <translation>Bottle content, mg per ml:</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Сохранить изменения в «%1»?</source>
        <translation>Save changes to “%1”?</translation>
    </message>
    <message>
        <source>Удалить запись</source>
        <translation>Delete record</translation>
    </message>
    <message>
        <source>Удалить вашу запись «%1»? Вернуть её будет нельзя.</source>
        <translation>Delete your record “%1”? This cannot be undone.</translation>
    </message>
    <message>
        <source>Мои удобрения…</source>
        <translation>My fertilizers…</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Файл настроек %1 не читается. Он перенесён как есть в %2, настройки начаты заново.</source>
        <translation>The settings file %1 could not be read. It was moved as is to %2, and settings start afresh.</translation>
    </message>
    <message>
        <source>Файл настроек %1 не читается и не переносится (%2): выбор языка не будет сохранён.</source>
        <translation>The settings file %1 could not be read or moved aside (%2): the language choice will not be saved.</translation>
    </message>
    <message>
        <source>Файл настроек %1 не читается: выбор языка не сохранён.</source>
        <translation>The settings file %1 could not be read: language choice not saved.</translation>
    </message>
    <message>
        <source>Не удалось записать файл настроек %1: выбор языка не сохранён.</source>
        <translation>Could not write the settings file %1: language choice not saved.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Ровалин</source>
        <translation>Rovalin</translation>
    </message>
    <message>
        <source>Объём аквариума, л</source>
        <translation>Tank volume, l</translation>
    </message>
    <message>
        <source>Название элемента</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Концентрация (мг/л)</source>
        <translation>Concentration (mg/l)</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Условия для расчета :</source>
        <translation>Calculation inputs:</translation>
    </message>
    <message>
        <source>Объём воды, мл :</source>
        <translation>Water volume, ml:</translation>
    </message>
    <message>
        <source>Кол. вещества, г :</source>
        <translation>Amount of compound, g:</translation>
    </message>
    <message>
        <source>Выберите название УДО :</source>
        <translation>Choose the fertilizer:</translation>
    </message>
    <message>
        <source>Готовое</source>
        <translation>Ready-made</translation>
    </message>
    <message>
        <source>Самомес</source>
        <translation>DIY salts</translation>
    </message>
    <message>
        <source>Самомес раствор</source>
        <translation>DIY solution</translation>
    </message>
    <message>
        <source>Выберите тип УДО :</source>
        <translation>Choose the fertilizer type:</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Динамика по неделям…</source>
        <translation>Levels by week…</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Покупные</source>
        <translation>Commercial</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Ровалин версия 2.0&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Ровалин&lt;/b&gt; - это небольшое приложение облегчающее трудобудни начинающих, и не только аквариумистов.&lt;br&gt;Служит для расчета дозировки удобрений, вносимых в аквариум, с целью обеспечить питанием водные растения или водоросли, кому как нравится.&lt;br&gt;Список производителей УДО со временем будет пополняться.&lt;/p&gt;Критика программы только приветствуется.&lt;br&gt;Вопросы и пожелания направляйте разработчикам:&lt;br&gt;&lt;b&gt;&lt;a href=&quot;%1&quot;&gt;страница проекта&lt;/a&gt;&lt;/b&gt;&lt;br&gt;&lt;br&gt;Если программа вам пригодилась, помогите ее развитию:&lt;br&gt;&lt;b&gt;&lt;a href=&quot;%1&quot;&gt;как помочь проекту&lt;/a&gt;&lt;/b&gt;&lt;p&gt;© 2026 Разработчики программы «Ровалин»&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Rovalin version 2.0&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Rovalin&lt;/b&gt; is a small application that eases the daily chores of aquarists, beginners and not only beginners.&lt;br&gt;It calculates the doses of fertilizers added to a tank to feed aquatic plants, or algae, whichever you prefer.&lt;br&gt;The list of fertilizer manufacturers will grow over time.&lt;/p&gt;Criticism of the program is most welcome.&lt;br&gt;Please send questions and suggestions to the developers:&lt;br&gt;&lt;b&gt;&lt;a href=&quot;%1&quot;&gt;project page&lt;/a&gt;&lt;/b&gt;&lt;br&gt;&lt;br&gt;If you have found the program useful, help it grow:&lt;br&gt;&lt;b&gt;&lt;a href=&quot;%1&quot;&gt;how to help the project&lt;/a&gt;&lt;/b&gt;&lt;p&gt;© 2026 The developers of “Rovalin”&lt;/p&gt;</translation>
    </message>
    <message>
        <source>О программе &quot;Ровалин&quot;</source>
        <translation>About Rovalin</translation>
    </message>
</context>
<context>
    <name>Plan_Bands</name>
    <message>
        <source>цель %1 – %2</source>
        <translation>target %1 – %2</translation>
    </message>
</context>
<context>
    <name>Plan_Book</name>
    <message>
        <source>Не удалось сохранить планы в %1: %2. Изменения остались в окне.</source>
        <translation>Could not save the plans to %1: %2. The changes remain in the window.</translation>
    </message>
    <message>
        <source>Аквариум %1 л</source>
        <translation>Tank %1 l</translation>
    </message>
    <message>
        <source>%1 (%2 г в %3 мл)</source>
        <translation>%1 (%2 g in %3 ml)</translation>
    </message>
    <message>
        <source>мг</source>
        <translation>mg</translation>
    </message>
    <message>
        <source>мл</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>нет в каталоге</source>
        <translation>not in the catalogue</translation>
    </message>
    <message>
        <source>не растворится</source>
        <translation>will not dissolve</translation>
    </message>
    <message>
        <source>Пн</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Ср</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Чт</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Пт</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Сб</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Вс</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>без предела</source>
        <translation>no limit</translation>
    </message>
    <message>
        <source>%1 % каждые %2 дн., первая в %3</source>
        <translation>%1 % every %2 days, first on %3</translation>
    </message>
    <message>
        <source>%1 %2 мг/л</source>
        <translation>%1 %2 mg/l</translation>
    </message>
    <message>
        <source>ничего не приносит</source>
        <translation>supplies nothing</translation>
    </message>
    <message>
        <source>Удобрение</source>
        <translation>Fertilizer</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>В неделю</source>
        <translation>Per week</translation>
    </message>
    <message>
        <source>Ед.</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>За раз</source>
        <translation>Per dose</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>За неделю, мг/л</source>
        <translation>Per week, mg/l</translation>
    </message>
    <message>
        <source>Установится от, мг/л</source>
        <translation>Settles from, mg/l</translation>
    </message>
    <message>
        <source>до, мг/л</source>
        <translation>to, mg/l</translation>
    </message>
    <message>
        <source>Аквариум, л</source>
        <translation>Tank, l</translation>
    </message>
    <message>
        <source>Подмена воды</source>
        <translation>Water change</translation>
    </message>
    <message>
        <source>Новая вода</source>
        <translation>New water</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>до %1 мг/л</source>
        <translation>up to %1 mg/l</translation>
    </message>
    <message>
        <source>без подмены воды растёт без предела</source>
        <translation>without water changes it rises without limit</translation>
    </message>
    <message>
        <source>%1: %2 — выше %3 мг/л для «%4»</source>
        <translation>%1: %2 — above %3 mg/l for “%4”</translation>
    </message>
    <message>
        <source>; столько приносит уже новая вода</source>
        <translation>; the new water alone already brings this much</translation>
    </message>
    <message>
        <source>; больше всего даёт %1, но и без него уровень выше</source>
        <translation>; %1 contributes the most, but the level is too high even without it</translation>
    </message>
    <message>
        <source>; больше всего даёт %1: не больше %2 %3 в неделю</source>
        <translation>; %1 contributes the most: no more than %2 %3 a week</translation>
    </message>
    <message>
        <source>Аквариум: %1 л</source>
        <translation>Tank: %1 l</translation>
    </message>
    <message>
        <source>Подмена воды: %1</source>
        <translation>Water change: %1</translation>
    </message>
    <message>
        <source>Новая вода: %1</source>
        <translation>New water: %1</translation>
    </message>
    <message>
        <source>Метод: %1</source>
        <translation>Method: %1</translation>
    </message>
    <message>
        <source>Пределы: %1</source>
        <translation>Limits: %1</translation>
    </message>
    <message>
        <source>подмена</source>
        <translation>water change</translation>
    </message>
    <message>
        <source>Цель, мг/л</source>
        <translation>Target, mg/l</translation>
    </message>
    <message>
        <source>Предел, мг/л</source>
        <translation>Limit, mg/l</translation>
    </message>
    <message>
        <source>%1 — %2 г</source>
        <translation>%1 — %2 g</translation>
    </message>
    <message>
        <source>Вода: %1 мл</source>
        <translation>Water: %1 ml</translation>
    </message>
    <message>
        <source>мг/мл: %1</source>
        <translation>mg/ml: %1</translation>
    </message>
    <message>
        <source>Приготовлено: ____________</source>
        <translation>Prepared: ____________</translation>
    </message>
</context>
<context>
    <name>Plan_Store</name>
    <message>
        <source>должна быть строка</source>
        <translation>must be a string</translation>
    </message>
    <message>
        <source>должно быть целое число от %1 до %2</source>
        <translation>must be a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>должно быть число не меньше 0</source>
        <translation>must be a number of 0 or more</translation>
    </message>
    <message>
        <source>должно быть число больше 0</source>
        <translation>must be a number greater than 0</translation>
    </message>
    <message>
        <source>должен быть массив [ … ]</source>
        <translation>must be an array [ … ]</translation>
    </message>
    <message>
        <source>должен быть объект { … }</source>
        <translation>must be an object { … }</translation>
    </message>
    <message>
        <source>нет такого вида удобрения</source>
        <translation>no such kind of fertilizer</translation>
    </message>
    <message>
        <source>дни недели — числа от 1 до 7</source>
        <translation>weekdays are numbers from 1 to 7</translation>
    </message>
    <message>
        <source>это не элемент и не NO3, PO4 или SO4</source>
        <translation>not an element, nor NO3, PO4 or SO4</translation>
    </message>
    <message>
        <source>должен быть массив строк</source>
        <translation>must be an array of strings</translation>
    </message>
    <message>
        <source>Планы открыты в другой запущенной копии Ровалина, поэтому здесь их можно только смотреть.</source>
        <translation>The plans are open in another running copy of Rovalin, so they are read-only here.</translation>
    </message>
    <message>
        <source>В папку %1 нельзя записать, поэтому планы можно только смотреть.</source>
        <translation>The folder %1 is not writable, so the plans are read-only.</translation>
    </message>
    <message>
        <source>Файл %1 не читается (%2).</source>
        <translation>The file %1 could not be read (%2).</translation>
    </message>
    <message>
        <source>Файл планов не читается (%1). Он перенесён как есть в %2, планы начаты заново.</source>
        <translation>The plans file could not be read (%1). It was moved as is to %2, and the plans start afresh.</translation>
    </message>
    <message>
        <source>Файл планов %1 не читается (%2), а перенести его не удалось (%3), поэтому планы можно только смотреть.</source>
        <translation>The plans file %1 could not be read (%2) and could not be moved aside (%3), so the plans are read-only.</translation>
    </message>
    <message>
        <source>планы открыты только для просмотра</source>
        <translation>plans are open read-only</translation>
    </message>
    <message>
        <source>это не JSON: %1</source>
        <translation>not JSON: %1</translation>
    </message>
    <message>
        <source>в файле массив [ … ], а должен быть объект { … }</source>
        <translation>the file holds an array [ … ], but it should be an object { … }</translation>
    </message>
    <message>
        <source>не указана версия файла</source>
        <translation>file version not given</translation>
    </message>
    <message>
        <source>версия файла %1, а эта программа читает версию %2</source>
        <translation>the file is version %1, but this program reads version %2</translation>
    </message>
    <message>
        <source>версия файла записана не числом</source>
        <translation>file version is not written as a number</translation>
    </message>
</context>
<context>
    <name>Plan_Totals</name>
    <message>
        <source>%1 (из %2)</source>
        <translation>%1 (of %2)</translation>
    </message>
    <message>
        <source>GH, °dH</source>
        <translation>GH, °dH</translation>
    </message>
</context>
<context>
    <name>Plan_Window</name>
    <message>
        <source>Нет файла %1: сравнивать не с чем.</source>
        <translation>File %1 is missing: nothing to compare with.</translation>
    </message>
    <message>
        <source>Добавить в план</source>
        <translation>Add to plan</translation>
    </message>
    <message>
        <source>План внесения…</source>
        <translation>Dosing plan…</translation>
    </message>
    <message>
        <source>Новый…</source>
        <translation>New…</translation>
    </message>
    <message>
        <source>Переименовать…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>Удалить…</source>
        <translation>Delete…</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>План целиком как текст с табуляциями: для таблицы или форума</source>
        <translation>The whole plan as tab-separated text: for a spreadsheet or a forum</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Лист для аквариума: неделя по дням, итоги и этикетки бутылок</source>
        <translation>A sheet for the tank: the week day by day, totals and bottle labels</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation>Save PDF…</translation>
    </message>
    <message>
        <source>План</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Аквариум, л</source>
        <translation>Tank, l</translation>
    </message>
    <message>
        <source>Подмена воды, %</source>
        <translation>Water change, %</translation>
    </message>
    <message>
        <source>каждые, дней</source>
        <translation>every, days</translation>
    </message>
    <message>
        <source>первая в</source>
        <translation>first on</translation>
    </message>
    <message>
        <source>Недель на графике</source>
        <translation>Weeks on the chart</translation>
    </message>
    <message>
        <source>Подмена как в методе</source>
        <translation>Water change as in the method</translation>
    </message>
    <message>
        <source>Сравнить с методом</source>
        <translation>Compare with method</translation>
    </message>
    <message>
        <source>Пределы для</source>
        <translation>Limits for</translation>
    </message>
    <message>
        <source>Убрать</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Что вносится за неделю</source>
        <translation>What is dosed each week</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>мг/л</source>
        <translation>mg/l</translation>
    </message>
    <message>
        <source>Что приносит новая вода: по анализу водопровода или по рецепту реминерализации осмоса. NO3, PO4 и SO4 считаются как их N, P и S.</source>
        <translation>What the new water brings: from a tap-water analysis or from the RO remineralisation recipe. NO3, PO4 and SO4 count as their N, P and S.</translation>
    </message>
    <message>
        <source>Новая вода приносит</source>
        <translation>New water brings</translation>
    </message>
    <message>
        <source>Отмеченные элементы показаны на графике</source>
        <translation>Ticked elements are shown on the chart</translation>
    </message>
    <message>
        <source>Уровни по дням</source>
        <translation>Levels by day</translation>
    </message>
    <message>
        <source>Цели метода</source>
        <translation>Method targets</translation>
    </message>
    <message>
        <source>План внесения: %1</source>
        <translation>Dosing plan: %1</translation>
    </message>
    <message>
        <source>План внесения</source>
        <translation>Dosing plan</translation>
    </message>
    <message>
        <source>Цель, мг/л</source>
        <translation>Target, mg/l</translation>
    </message>
    <message>
        <source>Без сравнения</source>
        <translation>No comparison</translation>
    </message>
    <message>
        <source>Без ограничений</source>
        <translation>No limits</translation>
    </message>
    <message>
        <source>День</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Новый план</source>
        <translation>New plan</translation>
    </message>
    <message>
        <source>Название плана:</source>
        <translation>Plan name:</translation>
    </message>
    <message>
        <source>Переименовать план</source>
        <translation>Rename plan</translation>
    </message>
    <message>
        <source>Удалить план</source>
        <translation>Delete plan</translation>
    </message>
    <message>
        <source>Удалить план «%1» со всем, что в нём вносится? Вернуть его будет нельзя.</source>
        <translation>Delete the plan “%1” with everything dosed in it? This cannot be undone.</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Не удалось напечатать лист.</source>
        <translation>Could not print the sheet.</translation>
    </message>
    <message>
        <source>Сохранить PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Не удалось записать %1.</source>
        <translation>Could not write %1.</translation>
    </message>
</context>
<context>
    <name>Recipe_Designer</name>
    <message>
        <source>Мой рецепт</source>
        <translation>My recipe</translation>
    </message>
    <message>
        <source>Впишите, сколько мг/л в неделю вы хотите получить, хотя бы для одного элемента.</source>
        <translation>Enter how many mg/l a week you want for at least one element.</translation>
    </message>
    <message>
        <source>Отметьте вещества, из которых составить рецепт, или нажмите «Предложить».</source>
        <translation>Tick the compounds to make the recipe from, or press “Suggest”.</translation>
    </message>
    <message>
        <source>Ни одно отмеченное вещество не даёт: %1.</source>
        <translation>None of the ticked compounds supplies: %1.</translation>
    </message>
    <message>
        <source>«%1» (%2 г)</source>
        <translation>“%1” (%2 g)</translation>
    </message>
    <message>
        <source>На пределе растворимости в %1 мл воды: %2. Цели будут достигнуты при дозе %3 мл в неделю; в %4 мл воды бутылки хватит на столько же недель.</source>
        <translation>At the solubility limit in %1 ml of water: %2. The targets are reached at a dose of %3 ml a week; a bottle with %4 ml of water lasts the same number of weeks.</translation>
    </message>
    <message>
        <source>Все цели сразу отмеченными веществами не получить: отклонения — в таблице.</source>
        <translation>The ticked compounds cannot meet all targets at once: see the deviations in the table.</translation>
    </message>
    <message>
        <source>В «%1» уже вместе то, что даёт осадок: его не разделить по бутылкам.</source>
        <translation>“%1” already contains compounds that precipitate together: they cannot be split between bottles.</translation>
    </message>
    <message>
        <source>Вещества, что дают вместе осадок, разнесены по бутылкам %1: в каждой %2 мл воды, %3 мл в неделю.</source>
        <translation>Compounds that precipitate together are split between bottles %1: %2 ml of water in each, %3 ml a week.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Подобран под цели %1 мг/л в неделю: аквариум %2 л, %3 мл в неделю из бутылки с %4 мл воды.</source>
        <translation>Designed for targets of %1 mg/l a week: tank %2 l, %3 ml a week from a bottle with %4 ml of water.</translation>
    </message>
</context>
<context>
    <name>User_Catalogues</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 нет</source>
        <translation>no %1</translation>
    </message>
    <message>
        <source>опорный элемент %1</source>
        <translation>reference element %1</translation>
    </message>
    <message>
        <source>не указан</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>растворимость не указана</source>
        <translation>solubility not given</translation>
    </message>
    <message>
        <source>растворимость %1 г/л</source>
        <translation>solubility %1 g/l</translation>
    </message>
    <message>
        <source>Ваша запись; в поставке те же цифры</source>
        <translation>Your record; the bundled figures are the same</translation>
    </message>
    <message>
        <source>Ваша запись; в поставке: %1</source>
        <translation>Your record; bundled: %1</translation>
    </message>
</context>
</TS>
