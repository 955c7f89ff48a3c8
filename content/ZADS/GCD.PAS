program GCD;
{ Наибольший общий делитель двух чисел: алгоритм Евклида.
  Пока второе число не ноль, заменяем пару (a, b) парой (b, a mod b). }
var
  a, b, r: longint;
begin
  writeln('Наибольший общий делитель (алгоритм Евклида)');
  write('Введите два натуральных числа: ');
  readln(a, b);
  while b <> 0 do
  begin
    r := a mod b;   { остаток от деления }
    a := b;
    b := r
  end;
  writeln('НОД = ', a);
  write('Нажмите Enter...');
  readln
end.
