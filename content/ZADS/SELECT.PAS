program SelectSort;
{ Сортировка выбором: на каждом шаге ищем наименьший из
  оставшихся элементов и ставим его на свое место. }
const
  N = 10;
var
  a: array[1..N] of integer;
  i, j, m, t: integer;
begin
  writeln('Сортировка выбором');
  write('Введите ', N, ' целых чисел: ');
  for i := 1 to N do read(a[i]);
  readln;
  for i := 1 to N - 1 do
  begin
    m := i;                         { номер наименьшего }
    for j := i + 1 to N do
      if a[j] < a[m] then m := j;
    t := a[i]; a[i] := a[m]; a[m] := t
  end;
  write('По возрастанию: ');
  for i := 1 to N do write(a[i], ' ');
  writeln;
  write('Нажмите Enter...');
  readln
end.
