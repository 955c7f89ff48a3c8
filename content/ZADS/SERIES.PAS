program Series;
{ Сумма ряда 1 + 1/2^2 + 1/3^2 + ... + 1/n^2.
  С ростом n сумма приближается к pi^2/6. }
var
  n, k: integer;
  s: real;
begin
  writeln('Сумма ряда 1/k^2');
  write('Сколько слагаемых сложить? ');
  readln(n);
  s := 0;
  for k := 1 to n do
    s := s + 1 / (k * 1.0 * k);   { 1.0 - чтобы не было целого переполнения }
  writeln('Сумма     = ', s:12:8);
  writeln('pi^2 / 6  = ', pi * pi / 6:12:8);
  writeln('Разность  = ', pi * pi / 6 - s:12:8);
  write('Нажмите Enter...');
  readln
end.
