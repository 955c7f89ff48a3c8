program Table;
{ Таблица значений функции y = x^2 - 2x - 3 на отрезке [a; b] с шагом h. }
var
  a, b, h, x: real;

function F(x: real): real;
begin
  F := x * x - 2 * x - 3
end;

begin
  writeln('Таблица значений функции y = x^2 - 2x - 3');
  write('Начало, конец отрезка и шаг: ');
  readln(a, b, h);
  if h <= 0 then h := 1;   { с нулевым шагом цикл не закончится }
  writeln('     x         y');
  writeln('-------------------');
  x := a;
  while x <= b + h / 2 do
  begin
    writeln(x:8:2, F(x):10:3);
    x := x + h
  end;
  write('Нажмите Enter...');
  readln
end.
