program Bubble;
{ Сортировка обменами ("пузырек"): соседние элементы,
  стоящие не по порядку, меняются местами. }
const
  N = 10;
var
  a: array[1..N] of integer;
  i, j, t: integer;
begin
  writeln('Сортировка обменами');
  randomize;
  for i := 1 to N do a[i] := random(100);
  write('Было:  ');
  for i := 1 to N do write(a[i]:4);
  writeln;
  for i := 1 to N - 1 do
    for j := 1 to N - i do
      if a[j] > a[j + 1] then
      begin
        t := a[j]; a[j] := a[j + 1]; a[j + 1] := t   { обмен }
      end;
  write('Стало: ');
  for i := 1 to N do write(a[i]:4);
  writeln;
  write('Нажмите Enter...');
  readln
end.
