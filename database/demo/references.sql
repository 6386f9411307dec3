/* Reference lists: periods, the small lists of SPRDATE, positions,
   specialities and the administrative services list. */

/* ---------- Periods ----------
   The stored order matters: the period list shows them as read, and its
   positions mean quarters (0-3), half-years (4-5), the year (6) and months
   (7-18). The cumulative codes come last; the period filter hides them. */
INSERT INTO PERIOD (A, B) VALUES ('I', 'I квартал');
INSERT INTO PERIOD (A, B) VALUES ('II', 'II квартал');
INSERT INTO PERIOD (A, B) VALUES ('III', 'III квартал');
INSERT INTO PERIOD (A, B) VALUES ('IV', 'IV квартал');
INSERT INTO PERIOD (A, B) VALUES ('Iп', 'I полугодие');
INSERT INTO PERIOD (A, B) VALUES ('IIп', 'II полугодие');
INSERT INTO PERIOD (A, B) VALUES ('год', 'Весь год');
INSERT INTO PERIOD (A, B) VALUES ('01', 'Январь');
INSERT INTO PERIOD (A, B) VALUES ('02', 'Февраль');
INSERT INTO PERIOD (A, B) VALUES ('03', 'Март');
INSERT INTO PERIOD (A, B) VALUES ('04', 'Апрель');
INSERT INTO PERIOD (A, B) VALUES ('05', 'Май');
INSERT INTO PERIOD (A, B) VALUES ('06', 'Июнь');
INSERT INTO PERIOD (A, B) VALUES ('07', 'Июль');
INSERT INTO PERIOD (A, B) VALUES ('08', 'Август');
INSERT INTO PERIOD (A, B) VALUES ('09', 'Сентябрь');
INSERT INTO PERIOD (A, B) VALUES ('10', 'Октябрь');
INSERT INTO PERIOD (A, B) VALUES ('11', 'Ноябрь');
INSERT INTO PERIOD (A, B) VALUES ('12', 'Декабрь');
INSERT INTO PERIOD (A, B) VALUES ('102', 'Январь - Февраль');
INSERT INTO PERIOD (A, B) VALUES ('104', 'Январь - Апрель');
INSERT INTO PERIOD (A, B) VALUES ('105', 'Январь - Май');
INSERT INTO PERIOD (A, B) VALUES ('107', 'Январь - Июль');
INSERT INTO PERIOD (A, B) VALUES ('108', 'Январь - Август');
INSERT INTO PERIOD (A, B) VALUES ('110', 'Январь - Октябрь');
INSERT INTO PERIOD (A, B) VALUES ('111', 'Январь - Ноябрь');
INSERT INTO PERIOD (A, B) VALUES ('1-3', '1-3 кварталы');

/* ---------- Small reference lists (SPRDATE), one group each ----------
   Codes repeat across groups: "01" is both a class of diseases (kal2006) and
   January (mes); the client addresses SPRDATE rows by code alone, so editing
   one of them in the settings dialog reaches both. */

/* pv2: age groups */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Дети 0-14 лет', 'pv2');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Подростки 15-17 лет', 'pv2');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Взрослые 18 лет и старше', 'pv2');
INSERT INTO SPRDATE (A, B, GR) VALUES ('4', 'Старше трудоспособного возраста', 'pv2');

/* personal: groups of personnel, the PERS codes of DOLGN */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Врачи', 'personal');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Средний медицинский персонал', 'personal');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Младший медицинский персонал', 'personal');
INSERT INTO SPRDATE (A, B, GR) VALUES ('4', 'Прочий персонал', 'personal');

/* medses: nursing staff */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Медицинские сёстры', 'medses');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Фельдшеры', 'medses');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Акушерки', 'medses');
INSERT INTO SPRDATE (A, B, GR) VALUES ('4', 'Лаборанты', 'medses');

/* uvol: reasons for leaving */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'По собственному желанию', 'uvol');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Выход на пенсию', 'uvol');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Перевод в другую организацию', 'uvol');
INSERT INTO SPRDATE (A, B, GR) VALUES ('4', 'Сокращение штата', 'uvol');

/* dprik_sr, dprik_vr: grounds of employment, nurses and doctors */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'По направлению колледжа', 'dprik_sr');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'По объявлению', 'dprik_sr');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Переводом', 'dprik_sr');
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'По целевому направлению', 'dprik_vr');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'По конкурсу', 'dprik_vr');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Переводом', 'dprik_vr');

/* gorselo: urban or rural */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Городская местность', 'gorselo');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Сельская местность', 'gorselo');

/* kateg: qualification categories */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Высшая', 'kateg');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Первая', 'kateg');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Вторая', 'kateg');
INSERT INTO SPRDATE (A, B, GR) VALUES ('4', 'Без категории', 'kateg');

/* harakter: kind of employment */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Основная работа', 'harakter');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Внутреннее совместительство', 'harakter');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Внешнее совместительство', 'harakter');

/* stepen: academic degree */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Доктор медицинских наук', 'stepen');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Кандидат медицинских наук', 'stepen');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Без учёной степени', 'stepen');

/* kal2006: classes of diseases */
INSERT INTO SPRDATE (A, B, GR) VALUES ('01', 'Инфекционные и паразитарные болезни', 'kal2006');
INSERT INTO SPRDATE (A, B, GR) VALUES ('02', 'Новообразования', 'kal2006');
INSERT INTO SPRDATE (A, B, GR) VALUES ('09', 'Болезни системы кровообращения', 'kal2006');
INSERT INTO SPRDATE (A, B, GR) VALUES ('10', 'Болезни органов дыхания', 'kal2006');
INSERT INTO SPRDATE (A, B, GR) VALUES ('11', 'Болезни органов пищеварения', 'kal2006');

/* 3: levels of care */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Первый уровень', '3');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Второй уровень', '3');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Третий уровень', '3');

/* 4: health groups of children */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'I группа здоровья', '4');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'II группа здоровья', '4');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'III группа здоровья', '4');
INSERT INTO SPRDATE (A, B, GR) VALUES ('4', 'IV-V группы здоровья', '4');

/* 5: disability groups */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'I группа инвалидности', '5');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'II группа инвалидности', '5');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'III группа инвалидности', '5');

/* kvartal: quarters */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'I квартал', 'kvartal');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'II квартал', 'kvartal');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'III квартал', 'kvartal');
INSERT INTO SPRDATE (A, B, GR) VALUES ('4', 'IV квартал', 'kvartal');

/* IstFin: sources of funding */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Обязательное медицинское страхование', 'IstFin');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Областной бюджет', 'IstFin');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Платные услуги', 'IstFin');
INSERT INTO SPRDATE (A, B, GR) VALUES ('4', 'Добровольное медицинское страхование', 'IstFin');

/* YesNo */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Да', 'YesNo');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Нет', 'YesNo');

/* OS, diskovod, memory, proces, takt: the computer inventory */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Windows 10', 'OS');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Windows 11', 'OS');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Astra Linux', 'OS');
INSERT INTO SPRDATE (A, B, GR) VALUES ('4', 'РЕД ОС', 'OS');
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Жёсткий диск (HDD)', 'diskovod');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Твердотельный накопитель (SSD)', 'diskovod');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Оптический привод', 'diskovod');
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', '4 ГБ', 'memory');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', '8 ГБ', 'memory');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', '16 ГБ', 'memory');
INSERT INTO SPRDATE (A, B, GR) VALUES ('4', '32 ГБ', 'memory');
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Intel Core i3', 'proces');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Intel Core i5', 'proces');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'AMD Ryzen 5', 'proces');
INSERT INTO SPRDATE (A, B, GR) VALUES ('4', 'Байкал-М', 'proces');
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'до 2 ГГц', 'takt');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'от 2 до 3 ГГц', 'takt');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'свыше 3 ГГц', 'takt');

/* TipObraz, HarObraz: education */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Медицинский университет', 'TipObraz');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Медицинский колледж', 'TipObraz');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Немедицинская организация', 'TipObraz');
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Высшее', 'HarObraz');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Среднее профессиональное', 'HarObraz');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Без медицинского образования', 'HarObraz');

/* TipDolgn, NazDolgn: kinds and names of positions */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Руководитель', 'TipDolgn');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Врачебная должность', 'TipDolgn');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Должность среднего персонала', 'TipDolgn');
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Главный врач', 'NazDolgn');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Заместитель главного врача', 'NazDolgn');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Заведующий отделением', 'NazDolgn');

/* stavka: share of a full-time post */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', '1,0 ставки', 'stavka');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', '0,75 ставки', 'stavka');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', '0,5 ставки', 'stavka');
INSERT INTO SPRDATE (A, B, GR) VALUES ('4', '0,25 ставки', 'stavka');

/* AfterVuz: postgraduate training */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Интернатура', 'AfterVuz');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Ординатура', 'AfterVuz');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Аспирантура', 'AfterVuz');

/* mes: months ("01" also names a class of diseases in kal2006) */
INSERT INTO SPRDATE (A, B, GR) VALUES ('01', 'Январь', 'mes');
INSERT INTO SPRDATE (A, B, GR) VALUES ('02', 'Февраль', 'mes');
INSERT INTO SPRDATE (A, B, GR) VALUES ('03', 'Март', 'mes');
INSERT INTO SPRDATE (A, B, GR) VALUES ('04', 'Апрель', 'mes');
INSERT INTO SPRDATE (A, B, GR) VALUES ('05', 'Май', 'mes');
INSERT INTO SPRDATE (A, B, GR) VALUES ('06', 'Июнь', 'mes');
INSERT INTO SPRDATE (A, B, GR) VALUES ('07', 'Июль', 'mes');
INSERT INTO SPRDATE (A, B, GR) VALUES ('08', 'Август', 'mes');
INSERT INTO SPRDATE (A, B, GR) VALUES ('09', 'Сентябрь', 'mes');
INSERT INTO SPRDATE (A, B, GR) VALUES ('10', 'Октябрь', 'mes');
INSERT INTO SPRDATE (A, B, GR) VALUES ('11', 'Ноябрь', 'mes');
INSERT INTO SPRDATE (A, B, GR) VALUES ('12', 'Декабрь', 'mes');

/* god10_12: years of the archive tables */
INSERT INTO SPRDATE (A, B, GR) VALUES ('2010', '2010 год', 'god10_12');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2011', '2011 год', 'god10_12');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2012', '2012 год', 'god10_12');

/* organ: health authorities (its list is shown sorted by name) */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Министерство здравоохранения Зелмской области', 'organ');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Управление здравоохранения г. Зелмска', 'organ');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Федеральные органы управления', 'organ');

/* fakultet: faculties */
INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Лечебный', 'fakultet');
INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Педиатрический', 'fakultet');
INSERT INTO SPRDATE (A, B, GR) VALUES ('3', 'Стоматологический', 'fakultet');
INSERT INTO SPRDATE (A, B, GR) VALUES ('4', 'Медико-профилактический', 'fakultet');

/* ---------- Positions ----------
   PERS is a code of the SPRDATE group "personal"; C is the row of the
   staffing table where the position is counted. */
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('001', '1', 'Главный врач', 'Руководитель организации', 2, 1, 1);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('002', '1', 'Заместитель главного врача', NULL, 2, 2, 2);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('010', '1', 'Врач-терапевт', 'Включая участковых', 2, 12, 10.5);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('011', '1', 'Врач-хирург', NULL, 2, 6, 5);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('012', '1', 'Врач-педиатр', 'Включая участковых', 2, 8, 7.25);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('013', '1', 'Врач-акушер-гинеколог', NULL, 2, 4, 4);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('014', '1', 'Врач-инфекционист', NULL, 2, 2, 1.5);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('015', '1', 'Врач общей практики', NULL, 2, 3, 2);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('020', '2', 'Главная медицинская сестра', NULL, 3, 1, 1);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('021', '2', 'Медицинская сестра палатная', NULL, 3, 30, 26);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('022', '2', 'Фельдшер', NULL, 3, 6, 5);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('023', '2', 'Акушерка', NULL, 3, 5, 4.5);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('024', '2', 'Медицинский лабораторный техник', NULL, 3, 4, 3);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('030', '3', 'Младшая медицинская сестра по уходу', NULL, 4, 12, 10);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('031', '3', 'Санитар', NULL, 4, 15, 11.5);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('040', '4', 'Бухгалтер', NULL, 5, 3, 3);
INSERT INTO DOLGN (A, PERS, B, COMM, C, ST_ALL, ST_SV) VALUES ('041', '4', 'Водитель автомобиля', NULL, 5, 5, 4);

/* ---------- Specialities ---------- */
INSERT INTO SPEC (A, B, PROFIL, KOD) VALUES ('001', 'Терапия', 'взр', '310001');
INSERT INTO SPEC (A, B, PROFIL, KOD) VALUES ('002', 'Педиатрия', 'дет', '310002');
INSERT INTO SPEC (A, B, PROFIL, KOD) VALUES ('003', 'Хирургия', 'взр', '310003');
INSERT INTO SPEC (A, B, PROFIL, KOD) VALUES ('004', 'Акушерство и гинекология', 'взр', '310004');
INSERT INTO SPEC (A, B, PROFIL, KOD) VALUES ('005', 'Неврология', 'взр', '310005');
INSERT INTO SPEC (A, B, PROFIL, KOD) VALUES ('006', 'Офтальмология', 'взр', '310006');
INSERT INTO SPEC (A, B, PROFIL, KOD) VALUES ('007', 'Оториноларингология', 'взр', '310007');
INSERT INTO SPEC (A, B, PROFIL, KOD) VALUES ('008', 'Кардиология', 'взр', '310008');
INSERT INTO SPEC (A, B, PROFIL, KOD) VALUES ('009', 'Стоматология', 'взр', '310009');
INSERT INTO SPEC (A, B, PROFIL, KOD) VALUES ('010', 'Общая врачебная практика', 'взр', '310010');

/* ---------- Administrative services (travels in the reference file) ---------- */
INSERT INTO AHH (A, B) VALUES ('01', 'Бухгалтерия');
INSERT INTO AHH (A, B) VALUES ('02', 'Отдел кадров');
INSERT INTO AHH (A, B) VALUES ('03', 'Хозяйственная служба');
