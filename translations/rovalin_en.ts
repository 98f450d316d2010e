<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Catalogue_Editor</name>
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
    <message>
        <source>Он оставлен как есть, его записи здесь не показаны. Исправьте его в текстовом редакторе или сохраните запись в этот список: программа спросит, перенесёт файл в сторону как есть и начнёт список заново.</source>
        <translation>It is left as it is, and its records are not shown here. Mend it in a text editor, or save a record into this list: the program will ask, move the file aside as it is and start the list afresh.</translation>
    </message>
    <message>
        <source>Начать этот список заново? Файл будет перенесён в сторону как есть: он останется в той же папке, с «.unreadable-» и датой в имени. Новый список начнётся с того, что вы сохраняете.</source>
        <translation>Start this list afresh? The file will be moved aside as it is: it stays in the same folder, with “.unreadable-” and the date in its name. The new list starts with what you are saving.</translation>
    </message>
    <message>
        <source>Запись не сохранена: ваш файл %1 не удалось перенести в сторону (%2).</source>
        <translation>Record not saved: your file %1 could not be moved aside (%2).</translation>
    </message>
    <message>
        <source>Ваш файл %1 не читался: он перенесён как есть в %2, список начат заново.</source>
        <translation>Your file %1 could not be read: it was moved as it is to %2, and the list starts afresh.</translation>
    </message>
    <message>
        <source>Растворимость</source>
        <translation>Solubility</translation>
    </message>
    <message>
        <source>Температура растворимости</source>
        <translation>Temperature of the solubility</translation>
    </message>
    <message>
        <source>Вода в бутылке</source>
        <translation>Water in the bottle</translation>
    </message>
    <message>
        <source>Вода в бутылке: нужно больше 0 мл</source>
        <translation>Water in the bottle: more than 0 ml is needed</translation>
    </message>
    <message>
        <source>%1 г: не указано вещество</source>
        <translation>%1 g: no compound given</translation>
    </message>
    <message>
        <source>%1: нужно больше 0 г</source>
        <translation>%1: more than 0 g is needed</translation>
    </message>
    <message>
        <source>нет ни одного вещества с граммами</source>
        <translation>no compound with its grams</translation>
    </message>
    <message>
        <source>%1: нет граммов, в бутылку не входит</source>
        <translation>%1: no grams, so not in the bottle</translation>
    </message>
    <message>
        <source>%1: такого вещества нет в списке «Самомес», а как формула не читается: %2</source>
        <translation>%1: the “DIY salts” list has no such compound, and as a formula it cannot be read: %2</translation>
    </message>
    <message>
        <source>%1: меньше 0 не бывает</source>
        <translation>%1: cannot be below 0</translation>
    </message>
    <message>
        <source>%1: доля больше 1, то есть больше 100 % (25 % — это 0.25)</source>
        <translation>%1: a fraction above 1, that is above 100 % (25 % is 0.25)</translation>
    </message>
    <message>
        <source>Растворимость: 0 и меньше не бывает, такая не учитывается</source>
        <translation>Solubility: 0 or less cannot be, and is not taken into account</translation>
    </message>
    <message>
        <source>Запись не сохранена: ваш файл %1 не читается, а список не начат заново.</source>
        <translation>Record not saved: your file %1 cannot be read, and the list has not been started afresh.</translation>
    </message>
    <message>
        <source>%1 %2, в поставке нет</source>
        <translation>%1 %2, none as shipped</translation>
    </message>
    <message>
        <source>%1 нет, в поставке %2</source>
        <translation>no %1, %2 as shipped</translation>
    </message>
    <message>
        <source>%1 %2 вместо %3</source>
        <translation>%1 %2 instead of %3</translation>
    </message>
    <message>
        <source>Изменено: </source>
        <translation>Changed: </translation>
    </message>
    <message>
        <source>вода</source>
        <translation>water</translation>
    </message>
    <message>
        <source> мл</source>
        <translation> ml</translation>
    </message>
    <message>
        <source> г</source>
        <translation> g</translation>
    </message>
    <message>
        <source>формула %1 вместо %2</source>
        <translation>formula %1 instead of %2</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>растворимость</source>
        <translation>solubility</translation>
    </message>
    <message>
        <source> г/л</source>
        <translation> g/l</translation>
    </message>
    <message>
        <source>растворимость при</source>
        <translation>solubility at</translation>
    </message>
    <message>
        <source> °C</source>
        <translation> °C</translation>
    </message>
    <message>
        <source>Изменено: %1.</source>
        <translation>Changed: %1.</translation>
    </message>
    <message>
        <source>Чайная ложка</source>
        <translation>Teaspoon</translation>
    </message>
    <message>
        <source>Чайная ложка: нужно больше 0 и до %1 г</source>
        <translation>Teaspoon: needs more than 0 and up to %1 g</translation>
    </message>
    <message>
        <source>взвешено: 10 ровных ложек — %1 г, %2</source>
        <translation>weighed: 10 level spoons — %1 g, %2</translation>
    </message>
</context>
<context>
    <name>Catalogue_Reader</name>
    <message>
        <source>здесь не может стоять такое значение</source>
        <translation>a value like this is not allowed here</translation>
    </message>
    <message>
        <source>файл обрывается на числе</source>
        <translation>the file ends in the middle of a number</translation>
    </message>
    <message>
        <source>неправильно записано число</source>
        <translation>malformed number</translation>
    </message>
    <message>
        <source>неправильный знак после \ в строке</source>
        <translation>invalid character after \ in a string</translation>
    </message>
    <message>
        <source>в строке знаки не в кодировке UTF-8</source>
        <translation>a string has characters that are not UTF-8</translation>
    </message>
    <message>
        <source>строка не закрыта: не хватает кавычки</source>
        <translation>string not closed: a quotation mark is missing</translation>
    </message>
    <message>
        <source>слишком глубокая вложенность скобок</source>
        <translation>brackets nested too deep</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>лишний текст после конца массива</source>
        <translation>extra text after the end of the array</translation>
    </message>
    <message>
        <source>ошибка в записи JSON</source>
        <translation>JSON syntax error</translation>
    </message>
    <message>
        <source>%1 и ещё %2</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>в формуле %1 нет элемента %2</source>
        <translation>formula %1 has no element %2</translation>
    </message>
    <message>
        <source>%1 = %2 расходится с формулой %3 (%4) больше чем на 1 %</source>
        <translation>%1 = %2 is more than 1 % off the formula %3 (%4)</translation>
    </message>
    <message>
        <source>формула %1 не читается: %2</source>
        <translation>formula %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>формула %1 не читается: %2, запись пропущена</source>
        <translation>formula %1 cannot be read: %2; record skipped</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>в файле объект { … }, а должен быть массив [ … ]</source>
        <translation>the file holds an object { … }, but it should be an array [ … ]</translation>
    </message>
    <message>
        <source>в массиве нет ни одной записи</source>
        <translation>the array holds no records</translation>
    </message>
    <message>
        <source>элемент массива № %1 пропущен: это не объект { … }</source>
        <translation>array element %1 skipped: it is not an object { … }</translation>
    </message>
    <message>
        <source>элементы массива № %1 пропущены: это не объекты { … }</source>
        <translation>array elements %1 skipped: they are not objects { … }</translation>
    </message>
    <message>
        <source>объект № %1 пропущен: у него нет &quot;name&quot;</source>
        <translation>object %1 skipped: it has no &quot;name&quot;</translation>
    </message>
    <message>
        <source>объекты № %1 пропущены: у них нет &quot;name&quot;</source>
        <translation>objects %1 skipped: they have no &quot;name&quot;</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An entry&apos;s name in quotes, then what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>«%1»</source>
        <extracomment>A name or other text of a catalogue, quoted in a problem.</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>нет папки %1</source>
        <translation>folder %1 does not exist</translation>
    </message>
    <message>
        <source>ссылка ведёт на файл, которого нет</source>
        <translation>the link points to a file that does not exist</translation>
    </message>
    <message>
        <source>нет такого файла</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>файл не удаётся открыть</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>нет прав на чтение файла</source>
        <translation>no permission to read the file</translation>
    </message>
    <message>
        <source>файл обрывается: объект не закрыт, не хватает }</source>
        <translation>the file ends early: an object is not closed, a } is missing</translation>
    </message>
    <message>
        <source>здесь «]», а объект перед ним не закрыт: не хватает }</source>
        <translation>a “]” here, but the object before it is not closed: a } is missing</translation>
    </message>
    <message>
        <source>здесь %1, а ожидалась запятая или } (пропущена запятая?)</source>
        <translation>%1 here, where a comma or } was expected (a missing comma?)</translation>
    </message>
    <message>
        <source>здесь вторая запятая подряд, а ожидалось имя в кавычках</source>
        <translation>a second comma in a row here, where a name in quotes was expected</translation>
    </message>
    <message>
        <source>здесь %1, а после запятой ожидалось имя в кавычках (дробь через запятую? В файле её пишут через точку)</source>
        <translation>%1 here, where a name in quotes was expected after the comma (a decimal comma? The file needs a point)</translation>
    </message>
    <message>
        <source>здесь %1, а ожидалось имя в кавычках (пропущена кавычка?)</source>
        <translation>%1 here, where a name in quotes was expected (a missing quotation mark?)</translation>
    </message>
    <message>
        <source>файл обрывается после имени</source>
        <translation>the file ends early, after a name</translation>
    </message>
    <message>
        <source>здесь %1, а после имени ожидалось двоеточие</source>
        <translation>%1 here, where a colon was expected after the name</translation>
    </message>
    <message>
        <source>файл обрывается: массив не закрыт, не хватает ]</source>
        <translation>the file ends early: an array is not closed, a ] is missing</translation>
    </message>
    <message>
        <source>здесь %1, а ожидалась запятая или ] (пропущена запятая?)</source>
        <translation>%1 here, where a comma or ] was expected (a missing comma?)</translation>
    </message>
    <message>
        <source>файл обрывается после запятой</source>
        <translation>the file ends early, after a comma</translation>
    </message>
    <message>
        <source>здесь %1 сразу после запятой (лишняя запятая?)</source>
        <translation>%1 here, right after a comma (a stray comma?)</translation>
    </message>
    <message>
        <source>здесь %1, а ожидалось имя в кавычках</source>
        <translation>%1 here, where a name in quotes was expected</translation>
    </message>
    <message>
        <source>у %1 нет числа %2, граммов в ровной чайной ложке</source>
        <translation>%1 has no number %2, the grams in a level teaspoon</translation>
    </message>
    <message>
        <source>%1 %2 г — не вес ровной чайной ложки: нужно больше 0 и до %3 г</source>
        <translation>%1 %2 g is no weight of a level teaspoon: it needs more than 0 and up to %3 g</translation>
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
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Отметить для каждой цели первые в списке вещества, которые её дают, — столько, сколько нужно для всех целей</source>
        <translation>For each target, tick the first compounds of the list that supply it, as many as all the targets need</translation>
    </message>
    <message>
        <source>%1

Сохранить ещё раз перед выходом?</source>
        <translation>%1

Save again before quitting?</translation>
    </message>
    <message>
        <source>Ложкой</source>
        <translation>In spoons</translation>
    </message>
</context>
<context>
    <name>Dosing_Targets</name>
    <message>
        <source>&quot;water_change&quot;: должен быть объект { … }, подмена воды пропущена</source>
        <translation>&quot;water_change&quot;: must be an object { … }; water change skipped</translation>
    </message>
    <message>
        <source>&quot;water_change&quot;: &quot;percent&quot; должно быть целое число от 0 до %1, подмена воды пропущена</source>
        <translation>&quot;water_change&quot;: &quot;percent&quot; must be a whole number from 0 to %1; water change skipped</translation>
    </message>
    <message>
        <source>&quot;water_change&quot;: &quot;every_days&quot; должно быть целое число от %1 до %2, подмена воды пропущена</source>
        <translation>&quot;water_change&quot;: &quot;every_days&quot; must be a whole number from %1 to %2; water change skipped</translation>
    </message>
    <message>
        <source>&quot;ranges&quot;: должен быть объект { … }, диапазоны пропущены</source>
        <translation>&quot;ranges&quot;: must be an object { … }; ranges skipped</translation>
    </message>
    <message>
        <source>&quot;ranges&quot;: %1: это не элемент и не NO3, PO4 или SO4, пропущено</source>
        <translation>&quot;ranges&quot;: %1: not an element, nor NO3, PO4 or SO4; skipped</translation>
    </message>
    <message>
        <source>&quot;ranges&quot;: %1: должно быть два числа [нижний, верхний], 0 ≤ нижний ≤ верхний, диапазон пропущен</source>
        <translation>&quot;ranges&quot;: %1: must be two numbers [low, high] with 0 ≤ low ≤ high; range skipped</translation>
    </message>
    <message>
        <source>&quot;ceilings&quot;: должен быть объект { … }, пределы пропущены</source>
        <translation>&quot;ceilings&quot;: must be an object { … }; limits skipped</translation>
    </message>
    <message>
        <source>&quot;ceilings&quot;: %1: это не элемент и не NO3, PO4 или SO4, пропущено</source>
        <translation>&quot;ceilings&quot;: %1: not an element, nor NO3, PO4 or SO4; skipped</translation>
    </message>
    <message>
        <source>&quot;ceilings&quot;: %1: должно быть число больше 0, предел пропущен</source>
        <translation>&quot;ceilings&quot;: %1: must be a number greater than 0; limit skipped</translation>
    </message>
    <message>
        <source>%1 пропущен: это не массив [ … ]</source>
        <extracomment>%1 is &quot;methods&quot; or &quot;livestock&quot;, the file&apos;s list.</extracomment>
        <translation>%1 skipped: it is not an array [ … ]</translation>
    </message>
    <message>
        <source>%1: элемент массива № %2 пропущен: это не объект { … }</source>
        <extracomment>%1 is &quot;methods&quot; or &quot;livestock&quot;, %2 the place in its array.</extracomment>
        <translation>%1: array element %2 skipped: it is not an object { … }</translation>
    </message>
    <message>
        <source>%1: объект № %2 пропущен: у него нет &quot;name&quot;</source>
        <extracomment>%1 is &quot;methods&quot; or &quot;livestock&quot;, %2 the place in its array.</extracomment>
        <translation>%1: object %2 skipped: it has no &quot;name&quot;</translation>
    </message>
    <message>
        <source>%1: объект № %2 пропущен: &quot;name&quot; должно быть непустой строкой</source>
        <extracomment>%1 is &quot;methods&quot; or &quot;livestock&quot;, %2 the place in its array.</extracomment>
        <translation>%1: object %2 skipped: &quot;name&quot; must be a non-empty string</translation>
    </message>
    <message>
        <source>такое имя уже есть в %1, запись пропущена</source>
        <extracomment>%1 is &quot;methods&quot; or &quot;livestock&quot;, the file&apos;s list.</extracomment>
        <translation>%1 already has an entry of this name; record skipped</translation>
    </message>
    <message>
        <source>в файле массив [ … ], а должен быть объект { … }</source>
        <translation>the file holds an array [ … ], but it should be an object { … }</translation>
    </message>
    <message>
        <source>в &quot;methods&quot; и &quot;livestock&quot; нет ни одной записи</source>
        <translation>&quot;methods&quot; and &quot;livestock&quot; hold no records</translation>
    </message>
</context>
<context>
    <name>Dynamics_Window</name>
    <message>
        <source>вдвое</source>
        <extracomment>How many times the level is the weekly dose, in «установится %2 выше…».</extracomment>
        <translation>twice</translation>
    </message>
    <message>
        <source>втрое</source>
        <translation>three times</translation>
    </message>
    <message>
        <source>вчетверо</source>
        <translation>four times</translation>
    </message>
    <message>
        <source>в %1 раза</source>
        <extracomment>How many times the level is the weekly dose: «в 3.3 раза», «в 22 раза».</extracomment>
        <translation>%1 times</translation>
    </message>
    <message>
        <source>в %1 раз</source>
        <extracomment>How many times the level is the weekly dose: «в 5 раз», «в 10 раз».</extracomment>
        <translation>%1 times</translation>
    </message>
    <message>
        <source>Динамика: %1</source>
        <translation>Levels by week: %1</translation>
    </message>
    <message>
        <source>Подмена воды в неделю, %</source>
        <translation>Water change a week, %</translation>
    </message>
    <message>
        <source>Недель</source>
        <translation>Weeks</translation>
    </message>
    <message>
        <source>Модель: раз в неделю подменяется доля f воды, затем вносится недельная доза; новая вода элемента не приносит, растения и фильтр его не берут. После n-й дозы уровень равен w × (1 − (1 − f)ⁿ) ÷ f, где w — уровень от одной дозы; он стремится к пределу w ÷ f.</source>
        <translation>The model: once a week a fraction f of the water is changed, then the weekly dose is added; the new water brings none of the element, and neither plants nor the filter take any of it up. After the n-th dose the level is w × (1 − (1 − f)ⁿ) ÷ f, where w is the level a single dose gives; it tends to the limit w ÷ f.</translation>
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
        <source>Через %1, мг/л</source>
        <extracomment>«Через 12 недель, мг/л»: the level after the weeks.</extracomment>
        <translation>After %1, mg/l</translation>
    </message>
    <message>
        <source>Предел, мг/л</source>
        <translation>Limit, mg/l</translation>
    </message>
    <message>
        <source>Неделя</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>мг/л</source>
        <translation>mg/l</translation>
    </message>
    <message>
        <source>Предел %1</source>
        <extracomment>The name of the dashed line of the reference element&apos;s limit.</extracomment>
        <translation>%1 limit</translation>
    </message>
    <message>
        <source>При подмене %1 % воды в неделю уровень каждого элемента остаётся равным его недельной дозе.</source>
        <translation>With a weekly water change of %1%, each element&apos;s level stays equal to its weekly dose.</translation>
    </message>
    <message>
        <source>При подмене %1 % воды в неделю уровень каждого элемента установится %2 выше его недельной дозы.</source>
        <translation>With a weekly water change of %1%, each element&apos;s level will settle at %2 its weekly dose.</translation>
    </message>
    <message>
        <source>При подмене %1 % воды в неделю уровень %2 остаётся равным недельной дозе, %3 мг/л.</source>
        <translation>With a weekly water change of %1%, the level of %2 stays equal to the weekly dose, %3 mg/l.</translation>
    </message>
    <message>
        <source>При подмене %1 % воды в неделю уровень %2 установится около %3 мг/л — %4 выше недельной дозы.</source>
        <translation>With a weekly water change of %1%, the level of %2 will settle at about %3 mg/l — %4 the weekly dose.</translation>
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
    <message>
        <source>Сохранить изменения в новую запись?</source>
        <translation>Save changes to the new entry?</translation>
    </message>
    <message>
        <source>Чайная ложка, г:</source>
        <translation>Teaspoon, g:</translation>
    </message>
    <message>
        <source>Граммы в ровной чайной ложке (5 мл): по ним план и подбор рецепта пишут дозы ложками</source>
        <translation>Grams in a level teaspoon (5 ml): from these the plan and the recipe designer give doses in spoons</translation>
    </message>
    <message>
        <source>Взвесить 10 ложек</source>
        <translation>Weigh 10 spoons</translation>
    </message>
    <message>
        <source>Вес десяти ровных ложек на кухонных весах вернее любой цифры из справочников: крупность кристаллов меняет его вдвое</source>
        <translation>Ten level spoons weighed on a kitchen scale beat any figure from a reference: the size of the crystals alone changes it twofold</translation>
    </message>
    <message>
        <source>Откуда вес ложки:</source>
        <translation>Spoon weight from:</translation>
    </message>
    <message>
        <source>Насыпьте 10 ровных чайных ложек (с горкой не годится: это на четверть и больше) на кухонные весы.
Сколько граммов они весят?</source>
        <translation>Put 10 level teaspoons on a kitchen scale (heaped ones will not do: they hold a quarter more and over).
How many grams do they weigh?</translation>
    </message>
    <message>
        <source>«%1» — не вес десяти ровных ложек: нужно число граммов больше 0 и до %2.</source>
        <translation>“%1” is no weight of ten level spoons: it needs a number of grams above 0 and up to %2.</translation>
    </message>
</context>
<context>
    <name>Formula</name>
    <message>
        <source>формула пуста</source>
        <translation>the formula is empty</translation>
    </message>
    <message>
        <source>здесь не может стоять «%1»</source>
        <translation>“%1” is not allowed here</translation>
    </message>
    <message>
        <source>после «%1» нет формулы</source>
        <translation>no formula after “%1”</translation>
    </message>
    <message>
        <source>позиция %1: %2</source>
        <extracomment>Where in the formula, counted in characters from 1, and what is wrong there.</extracomment>
        <translation>position %1: %2</translation>
    </message>
    <message>
        <source>число больше %1</source>
        <translation>number greater than %1</translation>
    </message>
    <message>
        <source>больше %1 скобок одна в другой</source>
        <translation>more than %1 brackets nested</translation>
    </message>
    <message>
        <source>скобка «%1» не закрыта</source>
        <translation>bracket “%1” is not closed</translation>
    </message>
    <message>
        <source>«%1» закрывает «%2»</source>
        <translation>“%1” closes “%2”</translation>
    </message>
    <message>
        <source>пустые скобки</source>
        <translation>empty brackets</translation>
    </message>
    <message>
        <source>лишняя скобка «%1»</source>
        <translation>stray bracket “%1”</translation>
    </message>
    <message>
        <source>нет элемента «%1»</source>
        <translation>no element “%1”</translation>
    </message>
    <message>
        <source>пробел внутри формулы</source>
        <translation>space inside the formula</translation>
    </message>
    <message>
        <source>количество не может быть 0 (0 вместо O?)</source>
        <translation>a count cannot be 0 (0 for O?)</translation>
    </message>
    <message>
        <source>число не может начинаться с 0 (0 вместо O?)</source>
        <translation>a number cannot begin with 0 (0 for O?)</translation>
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
    <message>
        <source>Перевод не загружается: тексты остаются на русском.</source>
        <translation>The translation could not be loaded: the texts stay in Russian.</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>Log_Table</name>
    <message>
        <source>dd.MM.yyyy</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>dd.MM</source>
        <translation>MM-dd</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Что</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Прогноз</source>
        <translation>Predicted</translation>
    </message>
    <message>
        <source>Разница</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Заметка</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Подмена воды</source>
        <translation>Water change</translation>
    </message>
    <message>
        <source>Показание</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>N (NO3-N)</source>
        <translation>N (NO3-N)</translation>
    </message>
    <message>
        <source>P (PO4-P)</source>
        <translation>P (PO4-P)</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>«%1» не принято: %2.</source>
        <translation>“%1” not accepted: %2.</translation>
    </message>
    <message>
        <source>Запись не принята: %1.</source>
        <translation>Entry not accepted: %1.</translation>
    </message>
    <message>
        <source>Подмена воды %1 уже есть в журнале.</source>
        <translation>The log already has a water change on %1.</translation>
    </message>
    <message>
        <source>Показание %1 за %2 уже есть в журнале.</source>
        <translation>The log already has a reading of %1 on %2.</translation>
    </message>
    <message>
        <source>нужна дата, например %1</source>
        <translation>a date is needed, for example %1</translation>
    </message>
    <message>
        <source>запись — показание или подмена воды</source>
        <translation>an entry is a reading or a water change</translation>
    </message>
    <message>
        <source>у подмены воды нет элемента: добавьте показание новой строкой</source>
        <translation>a water change has no element: add a reading as a new row</translation>
    </message>
    <message>
        <source>это не элемент, не NO3, PO4 или SO4 и не GH</source>
        <translation>this is not an element, NO3, PO4, SO4 or GH</translation>
    </message>
    <message>
        <source>это не число</source>
        <translation>this is not a number</translation>
    </message>
    <message>
        <source>подмена — от 0 до 100 %</source>
        <translation>a change is 0 to 100 %</translation>
    </message>
    <message>
        <source>показание — от 0 до %1</source>
        <translation>a reading is 0 to %1</translation>
    </message>
    <message>
        <source>показание не может быть снято позже сегодняшнего дня</source>
        <translation>a reading cannot be taken later than today</translation>
    </message>
    <message>
        <source>…и ещё строк: %1.</source>
        <translation>…and %1 more lines.</translation>
    </message>
    <message>
        <source>Ничего не импортировано: в файле есть строки, которые не читаются.</source>
        <translation>Nothing imported: the file has lines that cannot be read.</translation>
    </message>
    <message>
        <source>В файле нет записей: журнал не изменился.</source>
        <translation>The file has no entries: the log is unchanged.</translation>
    </message>
    <message>
        <source>Импортировано записей: %1, из них заменено: %2.</source>
        <translation>Entries imported: %1, of them replaced: %2.</translation>
    </message>
    <message>
        <source>Показание — уровень в начале дня, до подмены воды и доз этого дня.</source>
        <translation>A reading is the level at the start of its day, before that day&apos;s water change and doses.</translation>
    </message>
    <message>
        <source>пн</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>вт</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>ср</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>чт</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>пт</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>сб</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>вс</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Следующая подмена: %1</source>
        <translation>Next water change: %1</translation>
    </message>
    <message>
        <source>Подмен воды в плане нет.</source>
        <translation>The plan has no water changes.</translation>
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
        <translation>Product</translation>
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
    <name>Message_Text</name>
    <message>
        <source>Итоговая концентрация, мг/л</source>
        <translation>Target concentration, mg/l</translation>
    </message>
    <message>
        <source>Вносимое количество</source>
        <translation>Weekly dose</translation>
    </message>
    <message>
        <source>У &lt;green&gt;%1&lt;/green&gt; нет опорного элемента,&lt;br&gt;расчет возможен только по условию&lt;br&gt;&lt;green&gt;%2&lt;/green&gt;</source>
        <translation>&lt;green&gt;%1&lt;/green&gt; has no reference element,&lt;br&gt;so the only method possible is&lt;br&gt;&lt;green&gt;%2&lt;/green&gt;</translation>
    </message>
    <message>
        <source>Содержание элемента &lt;green&gt;%1&lt;/green&gt; в &lt;green&gt;%2&lt;/green&gt; равно нулю,&lt;br&gt;расчет возможен только по условию&lt;br&gt;&lt;green&gt;%3&lt;/green&gt;</source>
        <translation>The content of &lt;green&gt;%1&lt;/green&gt; in &lt;green&gt;%2&lt;/green&gt; is zero,&lt;br&gt;so the only method possible is&lt;br&gt;&lt;green&gt;%3&lt;/green&gt;</translation>
    </message>
    <message>
        <source>Содержание элемента &lt;green&gt;%1&lt;/green&gt; в &lt;green&gt;%2&lt;/green&gt; указано неверно,&lt;br&gt;расчет возможен только по условию&lt;br&gt;&lt;green&gt;%3&lt;/green&gt;</source>
        <translation>The content of &lt;green&gt;%1&lt;/green&gt; in &lt;green&gt;%2&lt;/green&gt; is not a valid figure,&lt;br&gt;so the only method possible is&lt;br&gt;&lt;green&gt;%3&lt;/green&gt;</translation>
    </message>
    <message>
        <source>Для &lt;green&gt;%1&lt;/green&gt; результат расчета выходит за пределы допустимых чисел.&lt;br&gt;Проверьте значения элементов в каталоге</source>
        <translation>For &lt;green&gt;%1&lt;/green&gt; the result is beyond the numbers the program can hold.&lt;br&gt;Check the element figures in the catalogue</translation>
    </message>
    <message>
        <source>Объём аквариума должен находится в диапазоне &lt;br&gt;&lt;green&gt;от %1 до %2 литров &lt;/green&gt;&lt;br&gt; включительно</source>
        <translation>The tank volume must lie&lt;br&gt;&lt;green&gt;between %1 and %2 liters&lt;/green&gt;&lt;br&gt;inclusive</translation>
    </message>
    <message>
        <source>Объём воды должен находится в диапазоне &lt;br&gt;&lt;green&gt;от %1 до %2 мл &lt;/green&gt;&lt;br&gt; включительно</source>
        <translation>The water volume must lie&lt;br&gt;&lt;green&gt;between %1 and %2 ml&lt;/green&gt;&lt;br&gt;inclusive</translation>
    </message>
    <message>
        <source>Количество хим.вещества должно находится в диапазоне &lt;br&gt;&lt;green&gt;от %1 до %2 г&lt;/green&gt;&lt;br&gt; включительно</source>
        <translation>The amount of compound must lie&lt;br&gt;&lt;green&gt;between %1 and %2 g&lt;/green&gt;&lt;br&gt;inclusive</translation>
    </message>
    <message>
        <source>%1 пуст</source>
        <translation>%1 is empty</translation>
    </message>
    <message>
        <source>Название элемента</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Список хим.веществ</source>
        <translation>Compound list</translation>
    </message>
    <message>
        <source>Выберите хим.вещество :</source>
        <translation>Choose the compound:</translation>
    </message>
    <message>
        <source>Вносим, мг</source>
        <translation>Dose, mg</translation>
    </message>
    <message>
        <source>Концентрация, мг/л</source>
        <translation>Concentration, mg/l</translation>
    </message>
    <message>
        <source>Массовая доля</source>
        <translation>Mass fraction</translation>
    </message>
    <message>
        <source>Дозировка вещества должна находиться в диапазоне &lt;br&gt;&lt;green&gt;от %1 до %2   мг&lt;/green&gt;&lt;br&gt; включительно</source>
        <translation>The dose of the compound must lie&lt;br&gt;&lt;green&gt;between %1 and %2 mg&lt;/green&gt;&lt;br&gt;inclusive</translation>
    </message>
    <message>
        <source>Для достижения недельной концентрации &lt;green&gt;%1&lt;/green&gt; равной&lt;br&gt;%2 мг/л необходимо вносить &lt;br&gt;&lt;blue&gt;%3 мг&lt;/blue&gt;&lt;br&gt;%4 в неделю</source>
        <translation>To reach a weekly concentration of &lt;green&gt;%1&lt;/green&gt;&lt;br&gt;of %2 mg/l, dose&lt;br&gt;&lt;blue&gt;%3 mg&lt;/blue&gt;&lt;br&gt;of %4 a week</translation>
    </message>
    <message>
        <source> При недельном внесении %1 мг %2&lt;br&gt;концентрация &lt;green&gt;%3&lt;/green&gt; станет равна&lt;br&gt;&lt;blue&gt;%4 мг/л &lt;/blue&gt;</source>
        <translation>With a weekly dose of %1 mg of %2&lt;br&gt;the concentration of &lt;green&gt;%3&lt;/green&gt; will be&lt;br&gt;&lt;blue&gt;%4 mg/l&lt;/blue&gt;</translation>
    </message>
    <message>
        <source>Вносим, мл</source>
        <translation>Dose, ml</translation>
    </message>
    <message>
        <source>Дозировка водного раствора вещества должна находиться в диапазоне &lt;br&gt;&lt;green&gt;от %1 до %2   мл&lt;/green&gt;&lt;br&gt; включительно</source>
        <translation>The dose of the stock solution must lie&lt;br&gt;&lt;green&gt;between %1 and %2 ml&lt;/green&gt;&lt;br&gt;inclusive</translation>
    </message>
    <message>
        <source>Для достижения недельной концентрации &lt;green&gt;%1&lt;/green&gt; равной&lt;br&gt;%2 мг/л необходимо вносить &lt;br&gt;&lt;blue&gt;%3 мл&lt;/blue&gt;&lt;br&gt; водного раствора %4 в неделю</source>
        <translation>To reach a weekly concentration of &lt;green&gt;%1&lt;/green&gt;&lt;br&gt;of %2 mg/l, dose&lt;br&gt;&lt;blue&gt;%3 ml&lt;/blue&gt;&lt;br&gt;of the stock solution of %4 a week</translation>
    </message>
    <message>
        <source>При недельном внесении %1 мл водного раствора %2&lt;br&gt;концентрация &lt;green&gt;%3&lt;/green&gt; станет равна&lt;br&gt;&lt;blue&gt;%4 мг/л &lt;/blue&gt;</source>
        <translation>With a weekly dose of %1 ml of the stock solution of %2&lt;br&gt;the concentration of &lt;green&gt;%3&lt;/green&gt; will be&lt;br&gt;&lt;blue&gt;%4 mg/l&lt;/blue&gt;</translation>
    </message>
    <message>
        <source>Необходимая концентрация элемента &lt;green&gt;%1&lt;/green&gt; должна находиться в диапазоне &lt;br&gt;&lt;green&gt;от %2 до %3   мг/л&lt;/green&gt;&lt;br&gt; включительно</source>
        <translation>The wanted concentration of &lt;green&gt;%1&lt;/green&gt; must lie&lt;br&gt;&lt;green&gt;between %2 and %3 mg/l&lt;/green&gt;&lt;br&gt;inclusive</translation>
    </message>
    <message>
        <source>Столько вещества не растворится:&lt;br&gt;%1при %2 °C в %3 мл воды&lt;br&gt;растворяется не больше &lt;green&gt;%4 г&lt;/green&gt;</source>
        <translation>That much will not dissolve:&lt;br&gt;%1at %2 °C, %3 ml of water&lt;br&gt;dissolves at most &lt;green&gt;%4 g&lt;/green&gt;</translation>
    </message>
    <message>
        <source>Столько вещества не растворится:&lt;br&gt;%1в %2 мл воды&lt;br&gt;растворяется не больше &lt;green&gt;%3 г&lt;/green&gt;</source>
        <translation>That much will not dissolve:&lt;br&gt;%1%2 ml of water&lt;br&gt;dissolves at most &lt;green&gt;%3 g&lt;/green&gt;</translation>
    </message>
    <message>
        <source>Список производителей</source>
        <translation>Product list</translation>
    </message>
    <message>
        <source>Выберите название УДО :</source>
        <translation>Choose the fertilizer:</translation>
    </message>
    <message>
        <source>Концентрация, мг/мл</source>
        <translation>Concentration, mg/ml</translation>
    </message>
    <message>
        <source>Дозировка УДО должна находиться в диапазоне &lt;br&gt;&lt;green&gt;от %1 до %2   мл&lt;/green&gt;&lt;br&gt; включительно</source>
        <translation>The dose of the fertilizer must lie&lt;br&gt;&lt;green&gt;between %1 and %2 ml&lt;/green&gt;&lt;br&gt;inclusive</translation>
    </message>
    <message>
        <source> Для достижения недельной концентрации &lt;green&gt;%1&lt;/green&gt; равной&lt;br&gt;%2 мг/л необходимо вносить &lt;br&gt;&lt;blue&gt;%3 мл&lt;/blue&gt;&lt;br&gt; УДО в неделю</source>
        <translation>To reach a weekly concentration of &lt;green&gt;%1&lt;/green&gt;&lt;br&gt;of %2 mg/l, dose&lt;br&gt;&lt;blue&gt;%3 ml&lt;/blue&gt;&lt;br&gt;of the fertilizer a week</translation>
    </message>
    <message>
        <source> При недельном внесении %1 мл УДО &lt;br&gt; концентрация &lt;green&gt;%2&lt;/green&gt; станет равной&lt;br&gt;&lt;blue&gt;%3 мг/л &lt;/blue&gt;</source>
        <translation>With a weekly dose of %1 ml of the fertilizer&lt;br&gt;the concentration of &lt;green&gt;%2&lt;/green&gt; will be&lt;br&gt;&lt;blue&gt;%3 mg/l&lt;/blue&gt;</translation>
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
        <translation>change</translation>
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
    <message>
        <source>План «%1» уже есть: дайте этому другое название.</source>
        <translation>There is a plan “%1” already: give this one another name.</translation>
    </message>
    <message>
        <source>Доза «%1» не принята: это не число.</source>
        <translation>Dose “%1” not taken: it is not a number.</translation>
    </message>
    <message>
        <source>Доза «%1» не принята: в неделю — больше 0 и не больше %2 %3.</source>
        <translation>Dose “%1” not taken: a week, more than 0 and at most %2 %3.</translation>
    </message>
    <message>
        <source>«%1» не принято: это не элемент и не NO3, PO4 или SO4.</source>
        <translation>“%1” not taken: it is neither an element nor NO3, PO4 or SO4.</translation>
    </message>
    <message>
        <source>%1 в новой воде уже есть.</source>
        <translation>%1 is in the new water already.</translation>
    </message>
    <message>
        <source>«%1» не принято: это не число.</source>
        <translation>“%1” not taken: it is not a number.</translation>
    </message>
    <message>
        <source>«%1» не принято: новая вода приносит от 0 до %2 мг/л.</source>
        <translation>“%1” not taken: new water brings 0 to %2 mg/l.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>доза вне пределов: больше %1</source>
        <translation>dose out of range: over %1</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>бутылки не хватит на неделю: в неделю %1 %2, в бутылке %3 %2</source>
        <translation>a bottle does not last a week: %1 %2 a week, %3 %2 in the bottle</translation>
    </message>
    <message>
        <source>бутылки хватит на %1</source>
        <translation>a bottle lasts %1</translation>
    </message>
    <message>
        <source>%1 %2 – %3</source>
        <translation>%1 %2 – %3</translation>
    </message>
    <message>
        <source>Метод: %1 — %2 мг/л</source>
        <translation>Method: %1 — %2 mg/l</translation>
    </message>
    <message>
        <source>%1 до %2</source>
        <translation>%1 up to %2</translation>
    </message>
    <message>
        <source>Пределы: %1 — %2 мг/л</source>
        <translation>Limits: %1 — %2 mg/l</translation>
    </message>
    <message>
        <source>Подмен воды нет: каждая неделя одна и та же.</source>
        <translation>No water changes: every week is the same.</translation>
    </message>
    <message>
        <source>Подмены и дозы каждую неделю в те же дни.</source>
        <translation>Changes and doses fall on the same days every week.</translation>
    </message>
    <message>
        <source>Подмены и дозы повторяются через %1; неделя 1 начинается с первой подмены.</source>
        <translation>Changes and doses repeat after %1; week 1 starts with the first change.</translation>
    </message>
    <message>
        <source>Подмены и дозы повторяются через %1; неделя 1 начинается с первой подмены, здесь первые %2.</source>
        <translation>Changes and doses repeat after %1; week 1 starts with the first change, and the first %2 are shown here.</translation>
    </message>
    <message>
        <source>Каждая неделя</source>
        <translation>Every week</translation>
    </message>
    <message>
        <source>Неделя %1 (дни %2–%3)</source>
        <translation>Week %1 (days %2–%3)</translation>
    </message>
    <message>
        <source>%1: без подмены</source>
        <translation>%1: no change</translation>
    </message>
    <message>
        <source>%1: подмена %2</source>
        <translation>%1: change on %2</translation>
    </message>
    <message>
        <source>неделя %1 %2</source>
        <translation>week %1 %2</translation>
    </message>
    <message>
        <source>Недели %1–%2</source>
        <translation>Weeks %1–%2</translation>
    </message>
    <message>
        <source>%1: дозы те же, без подмен.</source>
        <translation>%1: the same doses, no changes.</translation>
    </message>
    <message>
        <source>%1: дозы те же, подмены: %2.</source>
        <translation>%1: the same doses, changes: %2.</translation>
    </message>
    <message>
        <source>После недели %1 всё повторяется с недели 1.</source>
        <translation>After week %1 everything repeats from week 1.</translation>
    </message>
    <message>
        <source>%1 — выше предела для «%2»</source>
        <translation>%1 — above the limit for “%2”</translation>
    </message>
    <message>
        <source>dd.MM</source>
        <translation>MM-dd</translation>
    </message>
    <message>
        <source>Измерено</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Измерено, в плане нет: %1</source>
        <translation>Measured, not in the plan: %1</translation>
    </message>
    <message>
        <source>С потреблением от, мг/л</source>
        <translation>With uptake from, mg/l</translation>
    </message>
    <message>
        <source>%1: уходит около %2 % в день</source>
        <translation>%1: about %2 % goes a day</translation>
    </message>
    <message>
        <source>%1: растения берут около %2 мг/л в день</source>
        <translation>%1: the plants take about %2 mg/l a day</translation>
    </message>
    <message>
        <source>%1–%2 мг/л</source>
        <translation>%1–%2 mg/l</translation>
    </message>
    <message>
        <source>%1; ни одно удобрение плана его не даёт</source>
        <translation>%1; no fertilizer of the plan brings it</translation>
    </message>
    <message>
        <source>%1; «от» не ниже %2 мг/л и без %3</source>
        <translation>%1; “from” is not below %2 mg/l even without %3</translation>
    </message>
    <message>
        <source>%1; ни одна доза %2 не поднимает «от» до %3 мг/л</source>
        <translation>%1; no dose of %2 lifts “from” to %3 mg/l</translation>
    </message>
    <message>
        <source>%1; чтобы держать %2, вносите %3 по %4 %5 в неделю (сейчас %6 %5)</source>
        <translation>%1; to hold %2, dose %3 at %4 %5 a week (now %6 %5)</translation>
    </message>
    <message>
        <source>%1; при подмене раз в %2 дн. ни одна доза %3 не держит %4: когда «от» доходит до %5, «до» уже %6. Вносите в большее число дней или меняйте воду чаще</source>
        <translation>%1; with a change every %2 days no dose of %3 holds %4: when “from” reaches %5, “to” is already %6. Dose on more days or change the water more often</translation>
    </message>
    <message>
        <source>%1 мг/л</source>
        <translation>%1 mg/l</translation>
    </message>
    <message>
        <source>растёт без предела</source>
        <translation>grows without end</translation>
    </message>
    <message>
        <source>Ложкой</source>
        <translation>In spoons</translation>
    </message>
</context>
<context>
    <name>Plan_Log_View</name>
    <message>
        <source>Дата — когда снято показание или сделана подмена; значение — мг/л (GH — °dH), у подмены — сколько процентов воды заменено. N и P — как их читают тесты на NO3-N и PO4-P.</source>
        <translation>Date: when the reading was taken or the water changed; value: mg/l (GH: °dH), for a change the percent of the water changed. N and P as NO3-N and PO4-P test kits read them.</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Импорт…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>Записи из файла CSV: date,what,key,value,note</source>
        <translation>Entries from a CSV file: date,what,key,value,note</translation>
    </message>
    <message>
        <source>Экспорт…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Журнал в файл CSV для таблицы</source>
        <translation>The log to a CSV file for a spreadsheet</translation>
    </message>
    <message>
        <source>мг/л (GH — °dH)</source>
        <translation>mg/l (GH: °dH)</translation>
    </message>
    <message>
        <source>%1: измерено</source>
        <translation>%1: measured</translation>
    </message>
    <message>
        <source>Подмена воды</source>
        <translation>Water change</translation>
    </message>
    <message>
        <source>Удалить записи</source>
        <translation>Remove entries</translation>
    </message>
    <message>
        <source>Удалить из журнала записей: %1? Вернуть их будет нельзя.</source>
        <translation>Remove %1 entries from the log? They cannot be brought back.</translation>
    </message>
    <message>
        <source>Импорт журнала</source>
        <translation>Import a log</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Все файлы (*)</source>
        <translation>CSV (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Экспорт журнала</source>
        <translation>Export the log</translation>
    </message>
    <message>
        <source>%1 — журнал</source>
        <translation>%1 — log</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Не удалось записать %1: %2.</source>
        <translation>Could not write %1: %2.</translation>
    </message>
    <message>
        <source>Потребление: сколько берёт бак, по журналу</source>
        <translation>Uptake: what the tank takes, from the log</translation>
    </message>
    <message>
        <source>Модель:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Постоянное: столько-то мг/л в день, пока есть что брать. Пропорциональное: такая-то доля уровня в день, как распадается хелат железа на свету.</source>
        <translation>Constant: so many mg/l a day while there is any to take. Proportional: a share of the level a day, as iron chelate breaks down in light.</translation>
    </message>
    <message>
        <source>Учитывать потребление</source>
        <translation>Take the uptake into account</translation>
    </message>
    <message>
        <source>Уровни плана, цвета, пределы, графики и лист — с потреблением, найденным по журналу</source>
        <translation>The plan&apos;s levels, colours, limits, charts and sheet with the uptake found from the log</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Поставить эту дозу в план</source>
        <translation>Put this dose into the plan</translation>
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
    <message>
        <source>должна быть дата ГГГГ-ММ-ДД</source>
        <translation>must be a date YYYY-MM-DD</translation>
    </message>
    <message>
        <source>должно быть число от 0 до 100</source>
        <translation>must be a number from 0 to 100</translation>
    </message>
    <message>
        <source>это не элемент, не NO3, PO4 или SO4 и не GH</source>
        <translation>this is not an element, NO3, PO4, SO4 or GH</translation>
    </message>
    <message>
        <source>должно быть число от 0 до %1</source>
        <translation>must be a number from 0 to %1</translation>
    </message>
    <message>
        <source>должно быть true или false</source>
        <translation>must be true or false</translation>
    </message>
    <message>
        <source>«%1» — не элемент и не GH</source>
        <translation>“%1” is not an element or GH</translation>
    </message>
    <message>
        <source>«%1»: должно быть constant или proportional</source>
        <translation>“%1”: must be constant or proportional</translation>
    </message>
    <message>
        <source>периоды доз — по порядку дат</source>
        <translation>dose periods must be in date order</translation>
    </message>
    <message>
        <source>должна быть дата с %1 по %2</source>
        <translation>must be a date from %1 to %2</translation>
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
    <message>
        <source>Больше %1 мг/л: не учитывается, пока не исправлено.</source>
        <translation>Over %1 mg/l: left out until corrected.</translation>
    </message>
    <message>
        <source>с</source>
        <translation>from</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>День первой подмены воды: от него план считает дни, а журнал — даты</source>
        <translation>The day of the first water change: the plan counts its days from it, and the log its dates</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>%1

Сохранить ещё раз перед выходом?</source>
        <translation>%1

Save again before quitting?</translation>
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
    <message>
        <source>%1: «%2» не принято, это не число.</source>
        <translation>%1: “%2” not taken, it is not a number.</translation>
    </message>
    <message>
        <source>%1: «%2» не принято, цель — больше 0 и не больше %3 мг/л в неделю.</source>
        <translation>%1: “%2” not taken, a target is more than 0 and at most %3 mg/l a week.</translation>
    </message>
</context>
<context>
    <name>Recipe_Reader</name>
    <message>
        <source>кальций и сульфат</source>
        <translation>calcium and sulfate</translation>
    </message>
    <message>
        <source>кальций и фосфат</source>
        <translation>calcium and phosphate</translation>
    </message>
    <message>
        <source>кальций и карбонат</source>
        <translation>calcium and carbonate</translation>
    </message>
    <message>
        <source>железо и фосфат</source>
        <translation>iron and phosphate</translation>
    </message>
    <message>
        <source>Выпадет осадок: %1</source>
        <extracomment>The pairs of a bottle that precipitate, &quot;кальций и сульфат, железо и фосфат&quot;.</extracomment>
        <translation>A precipitate will form: %1</translation>
    </message>
    <message>
        <source>&quot;water_ml&quot; должно быть числом больше 0, рецепт пропущен</source>
        <translation>&quot;water_ml&quot; must be a number greater than 0; recipe skipped</translation>
    </message>
    <message>
        <source>нет объекта &quot;compounds&quot;, рецепт пропущен</source>
        <translation>no &quot;compounds&quot; object; recipe skipped</translation>
    </message>
    <message>
        <source>в &quot;compounds&quot; нет ни одного вещества, рецепт пропущен</source>
        <translation>&quot;compounds&quot; lists no compounds; recipe skipped</translation>
    </message>
    <message>
        <source>%1: граммы должны быть числом больше 0, рецепт пропущен</source>
        <translation>%1: grams must be a number greater than 0; recipe skipped</translation>
    </message>
    <message>
        <source>%1: такого вещества нет в compounds.json, а формула не читается: %2, рецепт пропущен</source>
        <translation>%1: no such compound in compounds.json, and it cannot be read as a formula: %2; recipe skipped</translation>
    </message>
    <message>
        <source>содержание элементов выходит за пределы допустимых чисел, рецепт пропущен</source>
        <translation>the element content is beyond the numbers that can be represented; recipe skipped</translation>
    </message>
</context>
<context>
    <name>Tank_Log</name>
    <message>
        <source>нет даты</source>
        <translation>no date</translation>
    </message>
    <message>
        <source>подмена — от 0 до 100 %</source>
        <translation>a change is 0 to 100 %</translation>
    </message>
    <message>
        <source>«%1» — не элемент, не NO3, PO4 или SO4 и не GH</source>
        <translation>“%1” is not an element, NO3, PO4, SO4 or GH</translation>
    </message>
    <message>
        <source>показание — от 0 до %1</source>
        <translation>a reading is 0 to %1</translation>
    </message>
    <message>
        <source>показание на %1 ещё не снято: дата позже сегодняшней</source>
        <translation>the reading on %1 is not taken yet: the date is after today</translation>
    </message>
    <message>
        <source>файл не в кодировке UTF-8</source>
        <translation>the file is not in UTF-8</translation>
    </message>
    <message>
        <source>строка 1: нужна строка заголовка «date,what,key,value,note»</source>
        <translation>line 1: a header line “date,what,key,value,note” is needed</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>кавычка не закрыта</source>
        <translation>a quote is not closed</translation>
    </message>
    <message>
        <source>нужны поля date, what, key, value и note через «%1»</source>
        <translation>the fields date, what, key, value and note are needed, separated by “%1”</translation>
    </message>
    <message>
        <source>«%1» — не дата ГГГГ-ММ-ДД</source>
        <translation>“%1” is not a date YYYY-MM-DD</translation>
    </message>
    <message>
        <source>«%1»: должно быть reading или change</source>
        <translation>“%1”: must be reading or change</translation>
    </message>
    <message>
        <source>у подмены воды не бывает элемента (%1)</source>
        <translation>a water change has no element (%1)</translation>
    </message>
    <message>
        <source>«%1» — не число</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <source>запись на %1: в журнале — даты с %2 по %3</source>
        <translation>an entry for %1: the log holds dates from %2 to %3</translation>
    </message>
</context>
<context>
    <name>Teaspoon</name>
    <message>
        <source>%1 ч. л.</source>
        <translation>%1 tsp</translation>
    </message>
    <message>
        <source>%1 ст. л.</source>
        <translation>%1 tbsp</translation>
    </message>
    <message>
        <source>ложкой не отмерить: %1 г</source>
        <translation>no spoon fits: %1 g</translation>
    </message>
    <message>
        <source>≈ %1, %2 %</source>
        <translation>≈ %1, %2 %</translation>
    </message>
    <message>
        <source>Сколько граммов этого вещества в чайной ложке, не указано. Чтобы добавить: выберите его в главном окне, в «Мои удобрения…» нажмите «Изменить копию», затем «Взвесить 10 ложек».</source>
        <translation>How many grams of this compound a teaspoon holds is not given. To add it: choose the compound in the main window, press “Edit a copy” in “My fertilizers…”, then “Weigh 10 spoons”.</translation>
    </message>
    <message>
        <source>В ровной чайной ложке (5 мл) %1 г</source>
        <translation>A level teaspoon (5 ml) holds %1 g</translation>
    </message>
    <message>
        <source>%1; откуда цифра, не указано.</source>
        <translation>%1; where the figure comes from is not given.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Вернее всего своя цифра: вес 10 ровных ложек с ваших весов, в «Мои удобрения…».</source>
        <translation>Your own figure is best: ten level spoons weighed on your scale, in “My fertilizers…”.</translation>
    </message>
</context>
<context>
    <name>Uptake_Fit</name>
    <message>
        <source>постоянное</source>
        <translation>constant</translation>
    </message>
    <message>
        <source>пропорциональное</source>
        <translation>proportional</translation>
    </message>
    <message>
        <source>нет показаний</source>
        <translation>no readings</translation>
    </message>
    <message>
        <source>нужно ещё хотя бы одно показание, в другой день: потребление — это разница между показаниями и прогнозом</source>
        <translation>at least one more reading is needed, on another day: the uptake is the difference between the readings and the prediction</translation>
    </message>
    <message>
        <source>показания не ниже прогноза: бак получает больше, чем даёт план (корм, вода, грунт) или тест завышает</source>
        <translation>the readings are not below the prediction: the tank gets more than the plan brings (food, water, substrate) or the test reads high</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Модель</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Потребление</source>
        <translation>Uptake</translation>
    </message>
    <message>
        <source>Показаний</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Расхождение, мг/л</source>
        <translation>Misfit, mg/l</translation>
    </message>
    <message>
        <source>Период</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>°dH</source>
        <translation>°dH</translation>
    </message>
    <message>
        <source>мг/л %1</source>
        <translation>mg/l %1</translation>
    </message>
    <message>
        <source>%1 %2 в день, %3 в неделю</source>
        <translation>%1 %2 a day, %3 a week</translation>
    </message>
    <message>
        <source>%1 % в день, половина за %2 дн.</source>
        <translation>%1 % a day, half in %2 days</translation>
    </message>
    <message>
        <source>0: %1</source>
        <translation>0: %1</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>dd.MM</source>
        <translation>MM-dd</translation>
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
    <message>
        <source>Ваш файл %1 не читается: %2.</source>
        <translation>Your file %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>Ваш файл %1 не читается: строка %2, столбец %3: %4.</source>
        <translation>Your file %1 cannot be read: line %2, column %3: %4.</translation>
    </message>
    <message>
        <source>Файл оставлен как есть, а его записи не показаны: где вы исправляли записи поставки, стоят цифры поставки. Исправьте файл в текстовом редакторе или начните этот список заново в «Мои удобрения…»: прежде чем сохранить в него, программа спросит и перенесёт файл в сторону как есть.</source>
        <translation>The file is left as it is, and its records are not shown: where you corrected bundled records, the bundled figures stand. Mend the file in a text editor, or start this list afresh in “My fertilizers…”: before saving into it, the program will ask and move the file aside as it is.</translation>
    </message>
    <message>
        <source>Файлы оставлены как есть, а их записи не показаны: где вы исправляли записи поставки, стоят цифры поставки. Исправьте файлы в текстовом редакторе или начните эти списки заново в «Мои удобрения…»: прежде чем сохранить в такой список, программа спросит и перенесёт его файл в сторону как есть.</source>
        <translation>The files are left as they are, and their records are not shown: where you corrected bundled records, the bundled figures stand. Mend the files in a text editor, or start these lists afresh in “My fertilizers…”: before saving into such a list, the program will ask and move its file aside as it is.</translation>
    </message>
</context>
<context>
    <name>build_up</name>
    <message numerus="yes">
        <source>%n неделю</source>
        <extracomment>Weeks after «Через» (after): 1, 21, 31… weeks.</extracomment>
        <translation>
            <numerusform>%n week</numerusform>
            <numerusform>%n weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n недели</source>
        <extracomment>Weeks after «Через» (after): 2–4, 22–24… weeks.</extracomment>
        <translation>
            <numerusform>%n week</numerusform>
            <numerusform>%n weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n недель</source>
        <extracomment>Weeks after «Через» (after): 5–20, 25–30 and the other counts.</extracomment>
        <translation>
            <numerusform>%n week</numerusform>
            <numerusform>%n weeks</numerusform>
        </translation>
    </message>
</context>
</TS>
