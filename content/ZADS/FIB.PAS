program Fib;
{ Числа Фибоначчи: каждое следующее равно сумме двух предыдущих.
  Отношение соседних чисел стремится к золотому сечению. }
var
  n, i: integer;
  a, b, t: int64;
begin
  writeln('Числа Фибоначчи');
  write('Сколько чисел вывести (до 90)? ');
  readln(n);
  if n > 90 then n := 90;   { дальше int64 переполнится }
  a := 0;
  b := 1;
  for i := 1 to n do
  begin
    write(i:3, b:22);
    if a > 0 then write('   ', b / a:12:8);   { отношение соседних чисел }
    writeln;
    t := a + b;
    a := b;
    b := t
  end;
  writeln('Золотое сечение: ', (1 + sqrt(5)) / 2:12:8);
  write('Нажмите Enter...');
  readln
end.
